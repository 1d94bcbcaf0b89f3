#!/usr/bin/python3
"""The interface catalogues against the sources.

    check_catalogue.py LUPDATE SOURCE_DIR FIXED_TEXTS CATALOGUE.ts... -- LUPDATE_OPTIONS... -- FOLDERS...

Collects the texts of the sources with lupdate into a fresh catalogue and
fails when a catalogue of the repository is stale (a text of the sources
missing or unfinished, or one no longer there not marked vanished), when one of its texts has no finished translation or loses a %N
placeholder or its '&' accelerator, or when one of the system's fixed Spanish
texts (FIXED_TEXTS, one per line between double quotes) is no source text.
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(ts_file):
    """{(context, source): translation element} of a .ts file, without the
    texts kept for when they come back (marked vanished or obsolete)."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") not in ("vanished", "obsolete"):
                found[(name, message.findtext("source"))] = translation
    return found


def fixed_texts(path):
    lines = pathlib.Path(path).read_text(encoding="utf-8").splitlines()
    return [line[1:-1] for line in lines if line.startswith('"') and line.endswith('"')]


def translation_faults(key, translation):
    context, source = key
    where = f"{context}: «{source}»"
    if translation is None or translation.get("type") == "unfinished":
        return [f"{where} sin traducción terminada"]
    text = translation.text or ""
    if not text.strip():
        return [f"{where} sin traducción"]
    faults = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
        faults.append(f"{where}: la traducción «{text}» no lleva los mismos %N")
    if ("&" in source.replace("&&", "")) != ("&" in text.replace("&&", "")):
        faults.append(f"{where}: la traducción «{text}» no lleva su tecla '&'")
    return faults


def main(argv):
    first, second = argv.index("--"), len(argv) - 1 - argv[::-1].index("--")
    lupdate, source_dir, fixed_file, *catalogues = argv[1:first]
    options, folders = argv[first + 1 : second], argv[second + 1 :]
    with tempfile.TemporaryDirectory() as scratch:
        fresh_file = pathlib.Path(scratch) / "transveloradae_xx.ts"
        subprocess.run([lupdate, *options, *folders, "-ts", str(fresh_file)], cwd=source_dir, check=True)
        fresh = messages(fresh_file)
    faults = []
    sources = {source for _, source in fresh}
    faults += [f"texto fijo del sistema que ya no está en las fuentes: «{text}»"
               for text in fixed_texts(fixed_file) if text not in sources]
    for catalogue in catalogues:
        kept = messages(catalogue)
        name = pathlib.Path(catalogue).name
        faults += [f"{name} no tiene {context}: «{source}» (ejecute update_translations)"
                   for context, source in fresh.keys() - kept.keys()]
        faults += [f"{name} tiene {context}: «{source}», que ya no está en las fuentes"
                   for context, source in kept.keys() - fresh.keys()]
        for key in fresh.keys() & kept.keys():
            faults += [f"{name}: {fault}" for fault in translation_faults(key, kept[key])]
    for fault in sorted(faults):
        print(fault)
    print(f"{len(fresh)} textos en las fuentes, {len(faults)} fallos")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
