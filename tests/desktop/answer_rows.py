#!/usr/bin/python3
"""Prints the rows of the answer list of the running program, one a line, as assistive
technology reads them over the accessibility bus.
    answer_rows.py LIST_NAME"""

import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

LIST_NAME = sys.argv[1]


def find(node):
    if node.get_role() == Atspi.Role.LIST and node.get_name() == LIST_NAME:
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = child and find(child)
        if found:
            return found
    return None


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    answers = find(desktop.get_child_at_index(i))
    if answers:
        for row in range(answers.get_child_count()):
            print(answers.get_child_at_index(row).get_name())
        sys.exit(0)
sys.exit("no answer list found")
