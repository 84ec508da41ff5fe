"""Controls seen through the accessibility bus (AT-SPI)."""

import warnings
from dataclasses import dataclass

# The introspection importer of the accessibility library trips this on every import.
warnings.filterwarnings('ignore', category=ImportWarning)
try:
    # Importing binds nothing yet: the library looks for its bus when first asked for a control.
    import pyatspi
    from gi.repository import Atspi, GLib
    # An accessible object that went away while it was looked at (a list refilled, a menu closed).
    Gone = GLib.Error
except ImportError:  # reported as a missing prerequisite when a Desktop starts
    pyatspi = Atspi = None
    Gone = ()


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @property
    def center(self):
        return self.x + self.width // 2, self.y + self.height // 2

    @property
    def bottom(self):
        return self.y + self.height

    @property
    def right(self):
        return self.x + self.width


class Control:
    """One accessible object of the program: a window, a button, a box, a label, a menu item.

    Every property asks the program anew; nothing is cached.
    """

    def __init__(self, accessible):
        self.acc = accessible

    def _fresh(self):
        self.acc.clear_cache()
        return self.acc

    @property
    def name(self):
        return self._fresh().get_name() or ''

    @property
    def description(self):
        return self._fresh().get_description() or ''

    @property
    def role(self):
        return self._fresh().get_role_name()

    @property
    def states(self):
        state_set = self._fresh().get_state_set()
        return {s.value_nick for s in state_set.get_states()}

    @property
    def showing(self):
        return 'showing' in self.states

    @property
    def checked(self):
        return 'checked' in self.states

    @property
    def focused(self):
        return 'focused' in self.states

    @property
    def extents(self):
        """Where the control lies on the screen, in pixels."""
        e = self._fresh().get_extents(Atspi.CoordType.SCREEN)
        return Rect(e.x, e.y, e.width, e.height)

    @property
    def text(self):
        """What the control shows: an edit field's text, a status line's (a status bar named by
        what it is, "Top status", with its text as description), an editable box's, or the name."""
        acc = self._fresh()
        if acc.get_role_name() == 'label' and acc.get_description():
            return acc.get_description()
        if acc.get_role_name() == 'combo box':
            field = self.child('text')
            if field is not None:
                return field.text
        if 'Text' in acc.get_interfaces():
            return Atspi.Text.get_text(acc, 0, Atspi.Text.get_character_count(acc))
        return acc.get_name() or ''

    @property
    def children(self):
        acc = self._fresh()
        # A child that went away between the count and the look comes back as None.
        kids = (acc.get_child_at_index(i) for i in range(acc.get_child_count()))
        return [Control(k) for k in kids if k is not None]

    @property
    def parent(self):
        parent = self._fresh().get_parent()
        return Control(parent) if parent else None

    def child(self, role):
        """The first child with the role, or None."""
        return next((c for c in self.children if c.role == role), None)

    def descendants(self):
        """Every control below this one, breadth first, web page content left out."""
        todo = [self]
        while todo:
            control = todo.pop(0)
            try:
                children = control.children
            except Gone:
                continue
            for child in children:
                yield child
                try:
                    if child.role != 'document web':
                        todo.append(child)
                except Gone:
                    pass

    def __repr__(self):
        return f'<{self.role} {self.name!r} {self.description!r}>'
