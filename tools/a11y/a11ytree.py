#!/usr/bin/python3
"""Looks at Orbane 1S as a screen reader does, through AT-SPI.

  a11ytree.py dump [WINDOW]          the tree of every window (or of the windows whose name
                                     contains WINDOW): role, name, description, states
  a11ytree.py count                  named interactive controls reached, per window
  a11ytree.py do ACTION NAME [VALUE] runs an action on the first showing object named NAME:
                                     toggle, press, set (a value), text (a text)
  a11ytree.py wait NAME [SECONDS]    waits until a showing object named NAME exists
  a11ytree.py unnamed                the controls on screen without a name
  a11ytree.py read NAME              the text of an object, as a screen reader reads it
  a11ytree.py described TEXT         the name of the object with that description
  a11ytree.py where NAME             the screen position of an object's centre
  a11ytree.py corner NAME            the screen position of an object's top-left corner
  a11ytree.py focused                the object that has the keyboard focus
NAME may be "ROLE:NAME" ("page tab:Graphes") where two objects share a name.

Run it under the same D-Bus session as the program, which needs
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (see run.sh beside this file).
"""
import sys
import time

import pyatspi

INTERACTIVE = {
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_LABEL,
}
ROLES = {'page tab', 'push button', 'check box', 'radio button', 'combo box', 'text',
         'spin button', 'scroll bar', 'table', 'list', 'menu item', 'label'}
STATES = ['showing', 'focusable', 'focused', 'checked', 'selected', 'editable', 'enabled']


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and 'orbane' in (app.name or '').lower():
            return app
    return None


def states(obj):
    s = obj.getState()
    return [n for n in STATES if s.contains(getattr(pyatspi, 'STATE_' + n.upper()))]


def labelled_by(obj):
    """The label a screen reader says before a control (lists are named this way)."""
    try:
        for relation in obj.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
    except Exception:
        pass
    return ''


def spoken_name(obj):
    """What a screen reader says a control is called: its label, else its name."""
    return labelled_by(obj) or obj.name or ''


def walk(obj, depth=0):
    yield obj, depth
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def windows(app, contains=None):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and (contains is None or contains.lower() in (w.name or '').lower()):
            yield w


def dump(contains=None):
    app = application()
    for w in windows(app, contains):
        for obj, depth in walk(w):
            if 'showing' not in states(obj) and depth > 0:
                continue
            desc = f' «{obj.description}»' if obj.description else ''
            label = labelled_by(obj)
            label = f' (étiquette «{label}»)' if label else ''
            print(f"{'  ' * depth}{obj.getRoleName()} «{obj.name}»{label}{desc} "
                  f"[{' '.join(states(obj))}]")


def count():
    app = application()
    for w in windows(app):
        named = unnamed = 0
        for obj, _ in walk(w):
            if obj.getRole() not in INTERACTIVE or 'showing' not in states(obj):
                continue
            if obj.getRole() == pyatspi.ROLE_LABEL and not obj.name:
                continue  # plain labels only count when they say something
            if spoken_name(obj).strip():
                named += 1
            else:
                unnamed += 1
        print(f'{w.name!r}: {named} named, {unnamed} without a name')


def find(name):
    """The first showing object named NAME, or "ROLE:NAME" to say which kind ("page tab:Graphes")."""
    role = None
    if ':' in name and name.split(':', 1)[0] in ROLES:
        role, name = name.split(':', 1)
    app = application()
    if app is None:
        return None
    for w in windows(app):
        for obj, _ in walk(w):
            if obj.name == name and 'showing' in states(obj) and role in (None, obj.getRoleName()):
                return obj
    return None


def found(name):
    """The object find() gives, or the end of the script with the reason."""
    obj = find(name)
    if obj is None:
        sys.exit(f'nothing showing is named {name!r}')
    return obj


def unnamed():
    """The interactive objects on screen that a screen reader cannot name."""
    app = application()
    for w in windows(app):
        for obj, depth in walk(w):
            if obj.getRole() in INTERACTIVE and obj.getRole() != pyatspi.ROLE_LABEL \
                    and 'showing' in states(obj) and not spoken_name(obj).strip():
                parent = obj.parent
                print(f'{w.name!r}: {obj.getRoleName()} under {parent.getRoleName()} «{parent.name}»')


def act(action, name, value=None):
    obj = found(name)
    if action == 'set':
        obj.queryValue().currentValue = float(value)
        return
    if action == 'text':
        text = obj.queryEditableText()
        text.setTextContents(value)
        return
    wanted = {'toggle': ('toggle', 'press', 'click'), 'press': ('press', 'click', 'activate')}[action]
    a = obj.queryAction()
    for i in range(a.nActions):
        if a.getName(i).lower() in wanted:
            a.doAction(i)
            return
    sys.exit(f'{name!r} has no {action} action ({[a.getName(i) for i in range(a.nActions)]})')


def read(name):
    """Prints the text of an object (a text box, a label), as a screen reader reads it."""
    obj = found(name)
    try:
        text = obj.queryText()
        print(text.getText(0, text.characterCount))
    except NotImplementedError:
        print(obj.name)


def described(description):
    """Prints the name of the showing object with this description (the hint line's hint)."""
    app = application()
    for w in windows(app):
        for obj, _ in walk(w):
            if obj.description == description and 'showing' in states(obj):
                print(obj.name)
                return
    sys.exit(f'nothing showing is described as {description!r}')


def where(name):
    """Prints the screen position of an object's centre (to move the pointer there)."""
    obj = found(name)
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(e.x + e.width // 2, e.y + e.height // 2)


def focused():
    """Prints the object that has the keyboard focus."""
    app = application()
    for w in windows(app):
        for obj, _ in walk(w):
            if 'focused' in states(obj):
                print(f'{obj.getRoleName()} «{spoken_name(obj)}»')
                return
    print('(nothing)')


def corner(name):
    """Prints the screen position of an object's top-left corner."""
    obj = found(name)
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(e.x, e.y)


def wait(name, seconds=10.0):
    end = time.time() + float(seconds)
    while time.time() < end:
        if find(name) is not None:
            return
        time.sleep(0.2)
    sys.exit(f'{name!r} never appeared')


if __name__ == '__main__':
    cmd, args = sys.argv[1], sys.argv[2:]
    {'dump': dump, 'count': count, 'unnamed': unnamed, 'do': act, 'wait': wait, 'read': read,
     'described': described, 'where': where, 'corner': corner, 'focused': focused}[cmd](*args)
