#!/usr/bin/python3
# Records what assistive technology hears from the first station (the host, started first):
# its focus, name and description events in order, then, on SIGTERM, its whole accessible tree.
#   /usr/bin/python3 tools/atspi_record.py > docs/atspi.txt   (inside the stations' D-Bus session)
import signal
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

EVENTS = ["object:state-changed:focused", "object:property-change:accessible-name",
          "object:property-change:accessible-description", "object:state-changed:showing"]
events = {}  # by process: what each said, in order


def line(node):
    try:
        return f"{node.get_role_name()} \"{node.get_name()}\" [{node.get_description() or ''}]"
    except GLib.Error:
        return "(gone)"


def on_event(event):
    try:
        source_pid = event.source.get_process_id()
    except GLib.Error:
        return
    events.setdefault(source_pid, []).append(f"event {event.type}: {line(event.source)}")


def dump(node, depth):
    print("  " * depth + line(node))
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            dump(child, depth + 1)


def finish():
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    apps = [app for app in apps if app is not None and app.get_process_id() > 0]
    if apps:
        host = min(apps, key=lambda app: app.get_process_id())
        print("\n".join(events.get(host.get_process_id(), [])))
        print("tree:")
        dump(host, 1)
    sys.stdout.flush()
    Atspi.event_quit()
    return False


listener = Atspi.EventListener.new(on_event)
for kind in EVENTS:
    listener.register(kind)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, finish)
Atspi.event_main()
sys.exit(0)
