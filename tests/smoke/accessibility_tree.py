#!/usr/bin/python3
"""Reads the program's accessibility tree from the AT-SPI bus, as a screen
reader does, prints it (role, name, description, label relations), and checks
what a screen reader needs: the main window is a frame; every text box has a
name, the caption beside it announcing it; the preset list, named by its
group's caption, is a list of 20 named rows, each described by its pattern.
Usage: accessibility_tree.py APPLICATION_NAME"""
import sys
import time

import pyatspi

TEXT_BOXES = {  # name -> the caption (label) that announces it, if any
    "源文本：": "源文本：", "正则表达式：": "正则表达式：", "匹配文本：": "匹配文本：",
    "开始": None, "结束": None, "包含": None, "包含个数": None, "生成代码": None,
}
FIRST_PRESET = ("Email地址", r"^\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*$")


def find_application(name):
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    sys.exit(f"FAIL: no application {name!r} on the accessibility bus")


def labelled_by(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def walk(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def main():
    application = find_application(sys.argv[1])
    nodes = []
    for depth, node in walk(application):
        labels = labelled_by(node)
        print("  " * depth + f"{node.getRoleName()} {node.name!r}"
              + (f" description={node.description!r}" if node.description else "")
              + (f" labelled-by={labels}" if labels else ""))
        nodes.append(node)
    failures = []
    frames = [n for n in application if n is not None]
    if [(f.getRoleName(), f.name) for f in frames] != [("frame", "Tolvanev1.2")]:
        failures.append("the application's window is not one frame named Tolvanev1.2")
    boxes = {n.name: labelled_by(n) for n in nodes if n.getRoleName() == "text"}
    if sorted(boxes) != sorted(TEXT_BOXES):
        failures.append(f"the text boxes are named {sorted(boxes)}")
    for name, caption in TEXT_BOXES.items():
        if caption is not None and boxes.get(name) != [caption]:
            failures.append(f"the box {name!r} is not labelled by the caption {caption!r}")
    lists = [n for n in nodes if n.getRoleName() == "list" and n.name == "常用表达式"]
    rows = [r for r in lists[0] if r is not None] if len(lists) == 1 else []
    if len(rows) != 20 or any(r.getRoleName() != "list item" or not r.name or not r.description for r in rows):
        failures.append("the preset list is not one list of 20 named and described rows")
    elif (rows[0].name, rows[0].description) != FIRST_PRESET:
        failures.append(f"the first preset reads {rows[0].name!r}, {rows[0].description!r}")
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


main()
