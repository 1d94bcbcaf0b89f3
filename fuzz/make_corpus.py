#!/usr/bin/python3
"""Writes the seed corpus of each fuzz target into fuzz/corpus/<target>/ from
the sample school and the test data, in each target's input layout.

    fuzz/make_corpus.py build/ci/cli/transveloradae-cli

The CLI makes the KTEMP tables (exportar, then importar). The output is
committed; rerun it after changing a target's input layout.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "examples", "centro-ejemplo")
CORPUS = os.path.join(ROOT, "fuzz", "corpus")

DAE_FILES = ["T13.txt", "V55T12.txt", "V55T35.txt", "V55T15W18T54_1.txt", "T07.txt", "V55T86.txt",
             "V55T11.txt", "V55T14.txt", "T55.txt", "profesorado.txt", "AULAS.txt", "GRUPOS.txt",
             "V55T15W18T54_2.txt", "PLANTILLAS.txt"]
KTEMP_TABLES = ["SOLUC", "PROFT", "GRUPOST", "ASIGNOMT", "PLANTILLA", "CUADROH2", "DIASHORAST", "CUADROH3"]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def seed(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def sample_ktemp(cli, work):
    dae = os.path.join(work, "DAE")
    ktemp = os.path.join(work, "KTEMP")
    shutil.copytree(os.path.join(SAMPLE, "DAE"), dae)
    os.makedirs(ktemp)
    subprocess.run([cli, "exportar", "--dae", dae, "--ktemp", ktemp, "--version", "2526", "--niveles",
                    os.path.join(SAMPLE, "niveles.csv")], check=True, capture_output=True)
    shutil.copy(os.path.join(SAMPLE, "SOLUC.DBF"), ktemp)
    subprocess.run([cli, "importar", "--dae", dae, "--ktemp", ktemp, "--documentos",
                    os.path.join(SAMPLE, "documentos.csv")], check=True, capture_output=True)
    return ktemp


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    shutil.rmtree(CORPUS, ignore_errors=True)
    with tempfile.TemporaryDirectory() as work:
        ktemp = sample_ktemp(sys.argv[1], work)
        for i, table in enumerate(KTEMP_TABLES):
            dbf = read(os.path.join(ktemp, table + ".DBF"))
            mdx_path = os.path.join(ktemp, table + ".MDX")
            mdx = read(mdx_path) if os.path.exists(mdx_path) else b""
            if len(dbf) > 0xFFFF:
                continue
            seed("fuzz_ktemp_tables", table, bytes([i]) + struct.pack("<H", len(dbf)) + dbf + mdx)
            seed("fuzz_table_reader", table + ".DBF", dbf)
            if mdx:
                seed("fuzz_table_reader", table + ".MDX", mdx)
    for name in ["PROFESORES.DBF", "PROFESORES.MDX"]:
        seed("fuzz_table_reader", name, read(os.path.join(ROOT, "tests", "data", "tablas", name)))
    for i, name in enumerate(DAE_FILES):
        seed("fuzz_dae_folder", name, bytes([i]) + read(os.path.join(SAMPLE, "DAE", name)))
    seed("fuzz_option_files", "niveles.csv", b"\x00" + read(os.path.join(SAMPLE, "niveles.csv")))
    seed("fuzz_option_files", "documentos.csv", b"\x01" + read(os.path.join(SAMPLE, "documentos.csv")))
    ini = os.path.join(ROOT, "tests", "data", "ini")
    for name in sorted(os.listdir(ini)):
        if name.endswith(".ini") and not name.endswith(".expected.ini"):
            seed("fuzz_option_files", name, b"\x02" + read(os.path.join(ini, name)))


if __name__ == "__main__":
    main()
