#!/usr/bin/python3
# Records what assistive technology hears from the first taisen process to appear: its focus,
# name and description events as they come, then, on SIGTERM, its whole accessible tree.
#   /usr/bin/python3 tools/atspi_record.py > docs/atspi.txt   (inside the stations' D-Bus session)
import signal
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

EVENTS = ["object:state-changed:focused", "object:property-change:accessible-name",
          "object:property-change:accessible-description", "object:state-changed:showing"]
pid = None


def line(node):
    try:
        return f"{node.get_role_name()} \"{node.get_name()}\" [{node.get_description() or ''}]"
    except GLib.Error:
        return "(gone)"


def on_event(event):
    global pid
    try:
        source_pid = event.source.get_process_id()
    except GLib.Error:
        return
    if pid is None and event.source.get_application().get_name() == "taisen":
        pid = source_pid
    if source_pid == pid:
        print(f"event {event.type}: {line(event.source)}", flush=True)


def dump(node, depth):
    print("  " * depth + line(node))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            dump(child, depth + 1)


def finish():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            print("tree:")
            dump(app, 1)
    Atspi.event_quit()
    return False


listener = Atspi.EventListener.new(on_event)
for kind in EVENTS:
    listener.register(kind)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, finish)
print("recording", flush=True)
Atspi.event_main()
sys.exit(0)
