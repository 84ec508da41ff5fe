"""What two panes make possible: swapping them, a link dragged from one onto the other, Shift+F6
and the focus mark, and synchronized scrolling."""

import corvane_e2e
from corvane_e2e import wait_until

PANES = ('Top', 'Bottom')


class TwoPanesTest(corvane_e2e.CorvaneTestCase):
    tip_closed = True

    def marked(self, pane):
        """Waits until the pane, and it alone, carries the focus mark."""
        other = 'Bottom' if pane == 'Top' else 'Top'
        seen = {}

        def check():
            seen.update({p: self.desktop.edge_colour(p) for p in PANES})
            return seen[pane] != seen[other] and seen[other] == (255, 255, 255)

        wait_until(check, 5, lambda: f'the {pane} pane marked; edges show {seen}')
        return seen[pane]

    def test_swap_panes_from_the_menu_moves_pages_with_their_histories(self):
        d = self.desktop
        for name in ('first', 'second', 'other'):
            d.server.page(f'/swap-{name}.html', f'Swap {name}')
        d.visit('Top', '/swap-first.html', 'Swap first')
        d.visit('Top', '/swap-second.html', 'Swap second')
        d.visit('Bottom', '/swap-other.html', 'Swap other')
        back = {pane: d.enabled(pane, 'Back') for pane in PANES}
        requests = len(d.server.requests())

        d.choose_menu('Browsers', 'Swap Panes')
        d.arrive('Top', '/swap-other.html', 'Swap other')
        d.arrive('Bottom', '/swap-second.html', 'Swap second')
        wait_until(lambda: (d.enabled('Top', 'Back'), d.enabled('Bottom', 'Back')) ==
                   (back['Bottom'], back['Top']), 10, 'the Back buttons to change places')
        # The pages moved; nothing was loaded again.
        self.assertEqual(len(d.server.requests()), requests)

        # The bottom pane's Back now steps through the history the top pane made.
        d.click(d.button('Bottom', 'Back'))
        d.arrive('Bottom', '/swap-first.html', 'Swap first')
        self.assertEqual(d.server.count('/swap-first.html'), 2)

    def test_a_link_dragged_onto_the_other_pane_opens_there(self):
        d = self.desktop
        d.server.page('/dropped.html', 'Dropped Here')
        d.server.page('/stays.html', 'Stays Put')
        d.server.link_page('/links.html', 'Links', d.server.url('/dropped.html'))
        for source, target in (('Top', 'Bottom'), ('Bottom', 'Top')):
            with self.subTest(source=source):
                d.visit(source, '/links.html', 'Links')
                d.visit(target, '/stays.html', 'Stays Put')
                start = d.find(f'{source} browser').extents.center
                d.drag(start, d.find(f'{target} browser').extents.center, steps=25, pause=0.03)
                d.arrive(target, '/dropped.html', 'Dropped Here')
                # Where it came from, nothing moved.
                self.assertEqual(d.text_of(f'{source} address'), d.server.url('/links.html'))
                listed = [c.name for c in d.open_list(f'{target} address').children][:2]
                d.key('Escape')
                self.assertEqual(listed, [d.server.url('/dropped.html'),
                                          d.server.url('/stays.html')])

    def test_shift_f6_takes_the_focus_to_the_other_pane_and_the_mark_follows(self):
        d = self.desktop
        for pane in PANES:
            d.server.reporting_page(f'keys-{pane.lower()}', f'Keys {pane}')
            d.visit(pane, f'/keys-{pane.lower()}.html', f'Keys {pane}')
        # The address box belongs to its pane as much as its page does.
        d.click(d.edit_field('Top address'))
        top_mark = self.marked('Top')
        # A pane whose links open in the other pane has a line twice as strong, from the moment
        # the item is ticked to the moment it is unticked, with the focus where it was.
        white = (255, 255, 255)
        for follows in (True, False):
            d.choose_menu('Browsers', "Open Top Pane's Links in Bottom Pane")
            wait_until(lambda: (d.edge_colour('Top', inset=4) != white) == follows, 5,
                       f'the top line {"doubled" if follows else "single again"}')
            self.assertEqual(d.edge_colour('Top'), top_mark)
        d.key('shift+F6')
        bottom_mark = self.marked('Bottom')
        self.assertEqual(top_mark, bottom_mark)
        d.type('b')
        d.server.wait_for_request('/keys-bottom-key-b')
        self.assertEqual(d.server.count('/keys-top-key-b'), 0)

        # With the top pane alone, the key leads to its page and the bottom one has no mark.
        d.click(d.edit_field('Top address'))
        d.key('ctrl+w')
        wait_until(lambda: not d.find('Bottom browser').showing, 5, 'the top pane alone')
        d.key('shift+F6')
        d.type('u')
        d.server.wait_for_request('/keys-top-key-u')
        d.key('ctrl+q')
        wait_until(lambda: d.find('Bottom browser').showing, 5, 'both panes')
        self.marked('Top')

    def test_synchronized_scrolling_takes_the_other_page_to_the_same_fraction(self):
        d = self.desktop
        d.server.reporting_page('long', 'Long', height=6000)
        d.server.reporting_page('longer', 'Longer', height=12000)
        d.visit('Top', '/long.html', 'Long')
        d.visit('Bottom', '/longer.html', 'Longer')

        def key(pane, name):
            d.into_page(pane)  # the page holds no link
            d.key(name)

        def reports(name, since=0):
            return [int(p.rsplit('-', 1)[1]) for p in d.server.requests()[since:]
                    if p.startswith(f'/{name}-at-')]

        def reaches(name, percent, since):
            wait_until(lambda: percent in reports(name, since), 10,
                       lambda: f'{name} at {percent} %; it reported {reports(name, since)}')

        # Switched on (it starts off, or the item would switch it off here): the top page's move
        # to the end takes the bottom page there; then the bottom page leads, its own scroll
        # passed back although its last one was the echo of a follow.
        d.choose_menu('Browsers', 'Synchronize Scrolling')
        mark = len(d.server.requests())
        key('Top', 'End')
        reaches('long', 100, mark)
        reaches('longer', 100, mark)
        mark = len(d.server.requests())
        key('Bottom', 'Home')
        reaches('longer', 0, mark)
        reaches('long', 0, mark)

        # Off again: the top page follows the bottom one no more. Its own Page Down afterwards is
        # the proof that it had its chance: had it followed to the end, it could not go down.
        d.choose_menu('Browsers', 'Synchronize Scrolling')
        mark = len(d.server.requests())
        key('Bottom', 'End')
        reaches('longer', 100, mark)
        mark = len(d.server.requests())
        key('Top', 'Next')
        wait_until(lambda: reports('long', mark), 10, 'the top page to go down a page')
        self.assertLess(max(reports('long', mark)), 100)

if __name__ == '__main__':
    corvane_e2e.main()
