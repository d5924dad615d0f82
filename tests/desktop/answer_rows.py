#!/usr/bin/python3
"""Prints the rows of the answer list of the running program, one a line, as assistive
technology reads them over the accessibility bus.
    answer_rows.py LIST_NAME [--select ROW]
With --select, first selects that row through the list's Selection interface, where the list
has one (Qt 6.4 offers none for it), as a screen reader's select does."""

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
        if "--select" in sys.argv:
            selection = answers.get_selection_iface()
            if selection:
                selection.select_child(int(sys.argv[sys.argv.index("--select") + 1]))
            else:
                print("the list offers no Selection interface", file=sys.stderr)
        for row in range(answers.get_child_count()):
            print(answers.get_child_at_index(row).get_name())
        sys.exit(0)
sys.exit("no answer list found")
