# Sourced by the checks that start TransVeloraDAE on the sample school, after
# `cd` to the source tree, with the program's and the CLI's paths as $1 and $2.
# Sets $program, $cli and $work: a scratch folder, removed on exit, holding a
# copy of the program, the sample's DAE folder exported into KTEMP with its
# solved timetable beside, and run/ for XDG_RUNTIME_DIR.
program=$(realpath "${1:-build/default/app/TransVeloraDAE}")
cli=$(realpath "${2:-build/default/cli/transveloradae-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/TransVeloraDAE"
mkdir -p "$work/KTEMP" "$work/run" "$work/DAE"
chmod 700 "$work/run"
cp examples/centro-ejemplo/DAE/* "$work/DAE/"
"$cli" exportar --dae "$work/DAE" --ktemp "$work/KTEMP" --niveles examples/centro-ejemplo/niveles.csv >/dev/null 2>&1
cp examples/centro-ejemplo/SOLUC.DBF "$work/KTEMP/"
