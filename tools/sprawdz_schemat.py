#!/usr/bin/python3
"""Validates a JSON document (standard input) against one of the schemas of
termivo-cli's output in docs/json, the others available for its references.
Usage: sprawdz_schemat.py SCHEMAT.schema.json < WYJSCIE.json
Exit 0 when valid, 1 with the first error, 2 when jsonschema is missing."""
import json
import pathlib
import sys

try:
    import jsonschema
except ImportError:
    print("brak modułu jsonschema (pakiet python3-jsonschema)", file=sys.stderr)
    sys.exit(2)

sciezka = pathlib.Path(sys.argv[1])
magazyn = {}
for plik in sciezka.parent.glob("*.schema.json"):
    s = json.loads(plik.read_text(encoding="utf-8"))
    magazyn[s["$id"]] = s
schemat = json.loads(sciezka.read_text(encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schemat)
resolver = jsonschema.RefResolver.from_schema(schemat, store=magazyn)
walidator = jsonschema.Draft202012Validator(schemat, resolver=resolver)
dokument = json.loads(sys.stdin.buffer.read().decode("utf-8"))
bledy = sorted(walidator.iter_errors(dokument), key=lambda b: list(b.path))
if bledy:
    b = bledy[0]
    print("/".join(str(p) for p in b.path) + ": " + b.message, file=sys.stderr)
    sys.exit(1)
