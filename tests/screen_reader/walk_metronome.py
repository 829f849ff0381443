# Opens the metronome from the main menu, sets its speed and starts it, all
# through the accessibility bus, then walks the window's tree as a screen
# reader does while it beats, and says how long that took.
import sys
import time

import pyatspi


def kova_application():
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and (application.name or '').lower() == 'kova':
                return application
        time.sleep(0.2)
    sys.exit('KOVA never joined the accessibility bus')


def walk(node, depth=0, found=None):
    found = [] if found is None else found
    found.append((depth, node.getRoleName(), node.name))
    for child in node:
        if child is not None:
            walk(child, depth + 1, found)
    return found


def find(node, wanted):
    if wanted(node):
        return node
    for child in node:
        hit = find(child, wanted) if child is not None else None
        if hit is not None:
            return hit
    return None


def wait_for(node, wanted, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        hit = find(node, wanted)
        if hit is not None:
            return hit
        time.sleep(0.2)
    return None


def button(name):
    return lambda node: node.getRoleName() == 'push button' and node.name == name


def press(node):
    node.queryAction().doAction(0)


bpm = float(sys.argv[1]) if len(sys.argv) > 1 else 15.0
kova = kova_application()
press(find(kova, button('Metronome')))
window = wait_for(kova, lambda node: node.getRoleName() in ('frame', 'window', 'filler')
                  and 'Metronome' in (node.name or ''))
if window is None:
    sys.exit('the metronome window never showed')
find(window, lambda node: node.name == 'Beats Per Minute').queryValue().currentValue = bpm
press(find(window, button('Start')))
if wait_for(window, button('Stop')) is None:
    sys.exit('the metronome did not start')
time.sleep(1.0)

started = time.monotonic()
tree = walk(window)
took = time.monotonic() - started
for depth, role, name in tree:
    print('  ' * depth + role + ': ' + (name or ''))
print('walked the %d nodes of "%s" at %g beats per minute in %.3f s'
      % (len(tree), window.name, bpm, took))
