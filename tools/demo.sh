#!/usr/bin/env bash
# The main job on the bundled sample: shows a table written by our engine.
set -euo pipefail
cd "$(dirname "$0")/.."
build/default/cli/transveloradae-cli tabla tests/data/tablas/PROFESORES.DBF
