"""Reads the Duplexa window from the accessibility bus as a screen reader does, and drives it
by keyboard only: xdotool sends key presses to the focused window, no pointer is used.
Run by scripts/check-accessibility.sh. Arguments: two files with the same bytes, and a third of
their length that differs from them in its tenth byte."""
import subprocess
import sys
import time

import pyatspi

SHOWN_STATES = (pyatspi.STATE_FOCUSED, pyatspi.STATE_FOCUSABLE, pyatspi.STATE_READ_ONLY,
                pyatspi.STATE_SHOWING, pyatspi.STATE_ENABLED)


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == 'Duplexa' and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit('Duplexa is not on the accessibility bus')


def describe(node, depth=0):
    states = [pyatspi.stateToString(s) for s in node.getState().getStates() if s in SHOWN_STATES]
    extra = ''
    try:
        extra += ' text=%r' % node.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    try:
        action = node.queryAction()
        extra += ' actions=%s' % [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    description = ' desc=%r' % node.description if node.description else ''
    print('%s%s %r%s%s [%s]' % ('  ' * depth, node.getRoleName(), node.name, extra, description,
                                ','.join(states)))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            describe(child, depth + 1)


def key(*keys):
    subprocess.run(['xdotool', 'key', '--clearmodifiers', *keys], check=True)
    time.sleep(0.4)


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.05)


app = find_app()
heard = []


def on_name(event):
    try:
        if event.source is not None and event.source.getRoleName() == 'label':
            heard.append(event.source.name)
    except Exception:  # an object of a chooser that is gone already
        pass


def focused():
    return pyatspi.findDescendant(app, lambda n: n.getState().contains(pyatspi.STATE_FOCUSED))


def named(name):
    return pyatspi.findDescendant(app, lambda n: n.name == name)


def tab_to(name):
    for _ in range(12):
        node = focused()
        print('  focus: %s %r' % (node.getRoleName(), node.name) if node else '  focus: none')
        if node is not None and node.name == name:
            return
        key('Tab')
    sys.exit('could not reach %r with Tab' % name)


def show_box(name):
    box = named(name)
    print('%s shows %r; %s' % (name, box.queryText().getText(0, -1), box.description))


def choose(box_name, path):
    tab_to(box_name)
    key('Return')
    node = focused()
    print('chooser %r open, focus on %s %r' % (app.getChildAtIndex(app.childCount - 1).name,
                                              node.getRoleName(), node.name))
    subprocess.run(['xdotool', 'type', '--delay', '20', path], check=True)
    key('Return')
    # Openbox may hand the focus back late, or to the root, when the chooser closes.
    subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^Duplexa$',
                    'windowactivate', '--sync'], check=True)
    time.sleep(0.5)
    show_box(box_name)


def paste(box_name, path):
    # What a file manager's copy leaves on the clipboard.
    subprocess.run(['xclip', '-selection', 'clipboard', '-t', 'text/uri-list', '-i'],
                   input=('file://%s\r\n' % path).encode(), check=True)
    tab_to(box_name)
    key('ctrl+v')
    show_box(box_name)


print('== the window as a screen reader reads it ==')
describe(app)
pyatspi.Registry.registerEventListener(on_name, 'object:property-change:accessible-name')

choose('First file', sys.argv[1])
paste('Second file', sys.argv[2])
tab_to('Compare')
key('space')
pump(2)
result = pyatspi.findDescendant(app, lambda n: n.getRoleName() == 'label' and
                                n.name.startswith('They are'))
sign = pyatspi.findDescendant(app, lambda n: n.getRoleName() == 'image').name
print('result line: %r; sign: %r' % (result.name if result else None, sign))
print('label name changes announced: %r' % heard)

paste('Second file', sys.argv[3])
tab_to('Compare')
key('space')
pump(2)
line = focused()
print('focus after the run: %s %r, described %r' % (line.getRoleName(), line.name,
                                                   line.description))
key('ctrl+c')
copied = subprocess.run(['xclip', '-selection', 'clipboard', '-o'], capture_output=True,
                        check=True).stdout.decode()
print('copied: %r' % copied)
where = 'First difference at byte 10, last at byte 10.'
where_ok = line.description == where and copied == line.name + '\n' + where

named('Magyar').queryAction().doAction(0)
pump(1)
print('== after pressing Magyar ==')
describe(app)
sys.exit(0 if result is not None and sign == 'Identical' and where_ok else 1)
