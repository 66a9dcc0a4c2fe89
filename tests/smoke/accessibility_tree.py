#!/usr/bin/python3
"""Prints the program's accessibility tree as a screen reader reads it from
the AT-SPI bus (role, name, description, label), and checks it: the window is
a frame; every text box is named, by the caption beside it where there is
one; the presets are a list of 20 rows named and described by their pattern.
Usage: accessibility_tree.py APPLICATION_NAME"""
import sys
import time

import pyatspi

TEXT_BOXES = {"源文本：": True, "正则表达式：": True, "匹配文本：": True,  # name: labelled by it
              "开始": False, "结束": False, "包含": False, "包含个数": False, "生成代码": False}
FIRST_PRESET = ("Email地址", r"^\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*$")


def labels(node):
    return [r.getTarget(i).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def walk(node, depth=0):
    print("  " * depth + f"{node.getRoleName()} {node.name!r}",
          f"description={node.description!r}" if node.description else "",
          f"labelled-by={labels(node)}" if labels(node) else "")
    yield node
    for child in filter(None, node):
        yield from walk(child, depth + 1)


def application(name):
    for _ in range(100):
        for app in filter(None, pyatspi.Registry.getDesktop(0)):
            if app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: no application {name!r} on the accessibility bus")


app = application(sys.argv[1])
nodes = list(walk(app))
boxes = {n.name: labels(n) for n in nodes if n.getRoleName() == "text"}
presets = [n for n in nodes if n.getRoleName() == "list" and n.name == "常用表达式"]
rows = list(filter(None, presets[0])) if len(presets) == 1 else []
checks = {
    "the window is one frame named Tolvanev1.2":
        [(f.getRoleName(), f.name) for f in filter(None, app)] == [("frame", "Tolvanev1.2")],
    f"the text boxes are named {sorted(TEXT_BOXES)}": sorted(boxes) == sorted(TEXT_BOXES),
    "the boxes with captions are labelled by them": all(boxes.get(n) == [n] for n, labelled in TEXT_BOXES.items() if labelled),
    "the presets are a list of 20 named, described rows": len(rows) == 20 and all(
        r.getRoleName() == "list item" and r.name and r.description for r in rows),
    f"the first preset reads {FIRST_PRESET}": bool(rows) and (rows[0].name, rows[0].description) == FIRST_PRESET,
}
for check in (c for c, held in checks.items() if not held):
    print("FAIL: not so:", check)
sys.exit(0 if all(checks.values()) else 1)
