#!/usr/bin/env python3
"""Checks JSON documents against a JSON Schema, for the subset of keywords
the program's schemas use (standard library only).

Usage: json_schema_check.py SCHEMA [--cli DORVAN_CLI] FILE...
A FILE ending in .zt2 is exported with 'DORVAN_CLI export FILE --json -'
first. Every description of the schema must name its unit ("unit:").
Exit status 0 when everything conforms, 1 otherwise."""

import json
import subprocess
import sys

KNOWN = {"$schema", "$id", "$defs", "$ref", "title", "description", "type", "properties",
         "additionalProperties", "required", "items", "enum", "const", "minimum", "maximum",
         "minItems", "anyOf"}

TYPES = {
    "object": lambda v: isinstance(v, dict),
    "array": lambda v: isinstance(v, list),
    "string": lambda v: isinstance(v, str),
    "boolean": lambda v: isinstance(v, bool),
    "null": lambda v: v is None,
    "integer": lambda v: isinstance(v, int) and not isinstance(v, bool),
    "number": lambda v: isinstance(v, (int, float)) and not isinstance(v, bool),
}


def schema_problems(schema, path="#"):
    """Unknown keywords, and property descriptions without a unit."""
    problems = []
    if isinstance(schema, dict):
        for key, value in schema.items():
            if key not in KNOWN:
                problems.append(f"{path}: keyword {key} is not checked by this validator")
            if key in ("properties", "$defs"):
                for name, sub in value.items():
                    if key == "properties" and "unit:" not in sub.get("description", "") and "$ref" not in sub:
                        problems.append(f"{path}/{name}: the description names no unit")
                    problems += schema_problems(sub, f"{path}/{key}/{name}")
            elif key in ("items", "additionalProperties"):
                problems += schema_problems(value, f"{path}/{key}")
            elif key == "anyOf":
                for i, sub in enumerate(value):
                    problems += schema_problems(sub, f"{path}/anyOf/{i}")
    return problems


def validate(value, schema, root, path, errors):
    if "$ref" in schema:
        target = root
        for part in schema["$ref"].lstrip("#/").split("/"):
            target = target[part]
        validate(value, target, root, path, errors)
    if "type" in schema:
        types = schema["type"] if isinstance(schema["type"], list) else [schema["type"]]
        if not any(TYPES[t](value) for t in types):
            errors.append(f"{path}: {json.dumps(value)[:40]} is not of type {types}")
            return
    if "enum" in schema and value not in schema["enum"]:
        errors.append(f"{path}: {value!r} is not one of {schema['enum']}")
    if "const" in schema and value != schema["const"]:
        errors.append(f"{path}: {value!r} is not {schema['const']!r}")
    if TYPES["number"](value):
        if "minimum" in schema and value < schema["minimum"]:
            errors.append(f"{path}: {value} is below {schema['minimum']}")
        if "maximum" in schema and value > schema["maximum"]:
            errors.append(f"{path}: {value} is above {schema['maximum']}")
    if "anyOf" in schema:
        if not any(not attempt(value, sub, root, path) for sub in schema["anyOf"]):
            errors.append(f"{path}: matches none of anyOf")
    if isinstance(value, dict):
        properties = schema.get("properties", {})
        for name in schema.get("required", []):
            if name not in value:
                errors.append(f"{path}: {name} is missing")
        for name, item in value.items():
            if name in properties:
                validate(item, properties[name], root, f"{path}.{name}", errors)
            elif schema.get("additionalProperties", True) is False:
                errors.append(f"{path}.{name}: not in the schema")
    if isinstance(value, list):
        if len(value) < schema.get("minItems", 0):
            errors.append(f"{path}: fewer than {schema['minItems']} items")
        if "items" in schema:
            for i, item in enumerate(value):
                validate(item, schema["items"], root, f"{path}[{i}]", errors)


def attempt(value, schema, root, path):
    errors = []
    validate(value, schema, root, path, errors)
    return errors


def main(argv):
    schema_path, rest = argv[1], argv[2:]
    cli = None
    if rest[:1] == ["--cli"]:
        cli, rest = rest[1], rest[2:]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    failed = False
    for problem in schema_problems(schema):
        print(f"{schema_path}: {problem}")
        failed = True
    for name in rest:
        if name.endswith(".zt2"):
            text = subprocess.run([cli, "export", name, "--json", "-"], check=True,
                                  capture_output=True, text=True).stdout
        else:
            with open(name, encoding="utf-8") as f:
                text = f.read()
        document = json.loads(text)
        errors = attempt(document, schema, schema, "$")
        for error in errors[:20]:
            print(f"{name}: {error}")
        failed = failed or bool(errors)
        # The checker itself must see a fault: an unknown key in a branch.
        if document.get("branches"):
            document["branches"][0]["lenght"] = 1
            if not attempt(document, schema, schema, "$"):
                print(f"{name}: an unknown key went unnoticed; the checker is broken")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
