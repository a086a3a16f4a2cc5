# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game as a web page, played in Debian's own Chromium, headless, through WebDriver: the page is
served as a static host serves it, and driven with real pointer input, as the end-to-end suite drives
the desktop game. Qt draws each window into a canvas of its own, so what a window shows is read back
from that canvas."""
import base64
import importlib.util
import os
import pathlib
import subprocess
import tempfile
import threading
import time
import unittest
import xml.etree.ElementTree as ElementTree

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(os.environ.get('TILORA_WEB_BUILD', ROOT / 'build-web'))
server_module = importlib.util.spec_from_file_location('web_server', ROOT / 'scripts' / 'web-server.py')
web_server = importlib.util.module_from_spec(server_module)
server_module.loader.exec_module(web_server)


def serve(folder, port=0):
    running = web_server.server(str(folder), port, quiet=True)
    threading.Thread(target=running.serve_forever, daemon=True).start()
    return running


def stop(running):
    running.shutdown()
    running.server_close()

# The layouts, from each window's client area, as the end-to-end suite knows them.
MAIN_SIZE = (349, 329)
PLAY_AREA = (4 + 10, 4 + 12)
NEW_GAME, ABOUT, EXIT = (4 + 23, 274 + 25), (54 + 23, 274 + 25), (104 + 23, 274 + 25)
FIRST_ENTRY, CHOOSER_OK = (4 + 30, 6 + 10), (146 + 54, 6 + 18)
CHOOSER_CANCEL = (146 + 54, 48 + 18)
PREVIEW = (146, 88, 107, 80)
ABOUT_OK = (18 + 2 + 282 + 26, 13 + 2 + 4 + 14)
ABOUT_BAND = (8, 50)
ABOUT_STRIP = (30, 40, 60, 6)
RESULT_LABEL = (PLAY_AREA[0] + 106, PLAY_AREA[1] + 106, 108, 28)

# Every Qt window as the page shows it: its caption, where its client area lies in the viewport,
# whether a modal window blocks it, and what an element at a point of it is.
PAGE_HELPERS = r'''
window.tiloraWindows = () => {
  const root = document.querySelector('#qt-shadow-container')?.shadowRoot;
  if (!root) return [];
  return [...root.querySelectorAll('.qt-window')].filter(w => w.style.display !== 'none').map(w => {
    const canvas = w.querySelector('canvas.qt-window-content');
    const box = canvas.getBoundingClientRect();
    return { title: w.querySelector('.window-name')?.textContent ?? '', id: w.id,
             x: box.left, y: box.top, width: box.width, height: box.height,
             blocked: w.classList.contains('blocked') };
  });
};
window.tiloraCanvas = id => document.querySelector('#qt-shadow-container').shadowRoot
  .querySelector('#' + id + ' canvas.qt-window-content');
// A 32-bit FNV-1a hash of each 40 x 40 square of the board, from the window's own pixels.
window.tiloraSquares = (id, left, top) => {
  const pixels = tiloraCanvas(id).getContext('2d').getImageData(left, top, 320, 240).data;
  const squares = [];
  for (let square = 0; square < 48; ++square) {
    let hash = 2166136261;
    for (let y = 0; y < 40; ++y) {
      const row = ((Math.floor(square / 8) * 40 + y) * 320 + (square % 8) * 40) * 4;
      for (let i = row; i < row + 160; ++i) hash = Math.imul(hash ^ pixels[i], 16777619) >>> 0;
    }
    squares.push(hash);
  }
  return squares;
};
window.tiloraPixels = (id, left, top, width, height) =>
  Array.from(tiloraCanvas(id).getContext('2d').getImageData(left, top, width, height).data);
// The shapes of the dark marks on a window, line by line, each cut at the blank columns around it: the
// letters of its texts. Letters a font lacks all come out as the same empty box.
window.tiloraLetterShapes = id => {
  const canvas = tiloraCanvas(id), width = canvas.width;
  const pixels = canvas.getContext('2d').getImageData(0, 0, width, canvas.height).data;
  const ink = (x, y) => pixels[(y * width + x) * 4] + pixels[(y * width + x) * 4 + 1] + pixels[(y * width + x) * 4 + 2] < 300;
  const inkedRow = y => y < canvas.height && [...Array(width).keys()].some(x => ink(x, y));
  const shapes = [];
  for (let y = 0, top = -1; y <= canvas.height; ++y) {
    if (inkedRow(y)) { if (top < 0) top = y; continue; }
    for (let x = 0, shape = ''; top >= 0 && x <= width; ++x) {
      const column = [...Array(y - top).keys()].map(row => x < width && ink(x, top + row) ? 1 : 0).join('');
      if (column.includes('1')) shape += column + '|';
      else if (shape) { shapes.push(shape); shape = ''; }
    }
    top = -1;
  }
  return shapes;
};
window.tiloraHitsWindow = (x, y) => {
  const root = document.querySelector('#qt-shadow-container').shadowRoot;
  return root.elementFromPoint(x, y)?.closest('.qt-window')?.id ?? null;
};
'''


def wait_for(condition, seconds=20, step=0.05):
    deadline = time.monotonic() + seconds
    while True:
        answer = condition()
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(step)


def chromium(language='en-US'):
    """Debian's Chromium, headless, whose first language is the one given."""
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--window-size=1024,768', '--force-device-scale-factor=1',
                     '--disable-dev-shm-usage', f'--lang={language}'):
        options.add_argument(argument)
    options.add_experimental_option('prefs', {'intl.accept_languages': f'{language},en'})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))


def is_navy(r, g, b):
    return r < 40 and g < 40 and 90 < b < 170


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve(BUILD)
        cls.address = f'http://localhost:{cls.server.server_address[1]}/'
        cls.browser = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        stop(cls.server)

    def setUp(self):
        self.open_page()

    def open_page(self):
        self.browser.get(self.address)
        self.main = self.window('Tilora', 60)
        self.assertIsNotNone(self.main, 'the main window does not appear')

    def js(self, script, *arguments):
        return self.browser.execute_script(PAGE_HELPERS + script, *arguments)

    def windows(self):
        return self.js('return tiloraWindows();')

    def window(self, title, seconds=10):
        return wait_for(lambda: next((w for w in self.windows() if w['title'] == title), None), seconds)

    def gone(self, title):
        return wait_for(lambda: all(w['title'] != title for w in self.windows()))

    def at(self, window, point):
        return round(window['x'] + point[0]), round(window['y'] + point[1])

    def pointer(self, *steps):
        actions = ActionBuilder(self.browser, duration=50)
        for step, where in steps:
            if where:
                actions.pointer_action.move_to_location(*where)
            getattr(actions.pointer_action, step)()
        actions.perform()

    def click(self, window, point):
        self.pointer(('pause', self.at(window, point)), ('click', None))

    def drag(self, window, source, target):
        self.pointer(('pointer_down', self.at(window, source)), ('pause', self.at(window, target)),
                     ('pointer_up', None))

    def squares(self):
        return self.js('return tiloraSquares(arguments[0], arguments[1], arguments[2]);', self.main['id'], *PLAY_AREA)

    def pixels(self, window, area):
        data = self.js('return tiloraPixels(...arguments);', window['id'], *area)
        return [tuple(data[i:i + 3]) for i in range(0, len(data), 4)]

    def cell_centre(self, cell):
        return PLAY_AREA[0] + cell % 8 * 40 + 20, PLAY_AREA[1] + cell // 8 * 40 + 20

    def errors(self):
        return [entry for entry in self.browser.get_log('browser') if entry['level'] == 'SEVERE']

    def test_loads_with_the_main_window_centred_and_no_error(self):
        self.assertEqual((self.main['width'], self.main['height']), MAIN_SIZE)
        viewport = self.js('return [innerWidth, innerHeight];')
        self.assertLessEqual(abs(2 * self.main['x'] + MAIN_SIZE[0] - viewport[0]), 1)
        self.assertLessEqual(abs(2 * self.main['y'] + MAIN_SIZE[1] - viewport[1]), 40)
        self.assertEqual([w['title'] for w in self.windows()], ['Tilora'])
        self.assertEqual(self.errors(), [])

    def test_plays_a_game_to_a_win(self):
        # The whole picture: its squares are the pieces the scramble deals out.
        pieces, picked = self.start_a_game()
        self.assertTrue(self.gone('Select Game'), 'the chooser stays open')
        cells = wait_for(lambda: (s := self.squares()) != pieces and s, 15)
        self.assertGreaterEqual(time.monotonic() - picked, 4.5)
        self.assertEqual(sorted(cells), sorted(pieces), 'the cells do not show the pieces scrambled')
        self.assertNotEqual(cells, pieces)
        self.assertEqual(self.window('Tilora'), self.main, 'the main window moved or changed as the game started')

        arrangement = [pieces.index(square) for square in cells]
        for cell in range(48):
            if arrangement[cell] == cell:
                continue
            home = arrangement.index(cell)
            self.drag(self.main, self.cell_centre(home), self.cell_centre(cell))
            arrangement[cell], arrangement[home] = arrangement[home], arrangement[cell]
            expected = [pieces[piece] for piece in arrangement]
            # The drag that completes the picture shows the whole picture with the result over it instead.
            if arrangement != list(range(48)):
                self.assertTrue(wait_for(lambda: self.squares() == expected, 5), f'the drag to cell {cell} did not swap')

        won = wait_for(lambda: sum(is_navy(*p) for p in self.pixels(self.main, RESULT_LABEL)) > 100, 5)
        self.assertTrue(won, 'no win message')
        self.assertEqual(self.errors(), [])

    def test_about_shows_its_picture_and_the_page_through_its_bands_and_closes(self):
        for _ in range(2):
            self.click(self.main, ABOUT)
            about = self.window('About ...')
            self.assertIsNotNone(about, 'no About window')
            self.assertTrue(self.window('Tilora')['blocked'], 'the About window is not modal')
            hits = [self.js('return tiloraHitsWindow(arguments[0], arguments[1]);', *self.at(about, point))
                    for point in ((30, 30), ABOUT_BAND)]
            self.assertEqual(hits[0], about['id'])
            self.assertNotEqual(hits[1], about['id'], 'a click in a band does not reach what is behind')
            self.assertTrue(wait_for(lambda: len(set(self.pixels(about, ABOUT_STRIP))) > 20, 5),
                            'the About picture does not show')
            button = (ABOUT_OK[0] - 12, ABOUT_OK[1] - 10, 24, 20)
            self.assertTrue(any(g > 100 and g > r + 40 and g > b + 40 for r, g, b in self.pixels(about, button)),
                            'the OK button shows no green tick')
            # One element for each window: a second one made for the same window would be left in the page.
            self.assertEqual(self.js('return document.querySelector("#qt-shadow-container").shadowRoot'
                                     '.querySelectorAll(".qt-window").length;'), 2)
            self.click(about, ABOUT_OK)
            self.assertTrue(self.gone('About ...'), 'OK does not close the About window')
            self.assertFalse(self.window('Tilora')['blocked'])

    def test_exit_ends_the_game_and_the_page_starts_it_afresh(self):
        self.click(self.main, EXIT)
        ended = wait_for(lambda: self.js('return !document.getElementById("ended").hidden;'))
        self.assertTrue(ended, 'the page does not say that the game has ended')
        self.assertEqual(self.windows(), [])
        self.browser.find_element('id', 'restart').click()
        self.main = self.window('Tilora', 60)
        self.assertIsNotNone(self.main, 'the game does not start afresh')
        self.assertTrue(self.js('return document.getElementById("ended").hidden;'))
        self.assertEqual(self.errors(), [])

    # The player's own pictures, the browser's language, touch and a phone's screen, and hidden tabs.

    def forget_pictures(self):
        forget = self.browser.find_element('id', 'forget-pictures')
        if forget.is_enabled():
            forget.click()
        self.assertTrue(wait_for(lambda: not forget.is_enabled()), 'the pictures are not forgotten')

    def drop_picture(self, name, content, point):
        self.js('''const [name, content, x, y] = arguments;
          const bytes = Uint8Array.from(atob(content), c => c.charCodeAt(0));
          const carried = new DataTransfer();
          carried.items.add(new File([bytes], name, {type: 'image/jpeg'}));
          const target = document.querySelector('#qt-shadow-container').shadowRoot.elementFromPoint(x, y);
          for (const type of ['dragenter', 'dragover', 'drop'])
            target.dispatchEvent(new DragEvent(type, {dataTransfer: carried, bubbles: true, cancelable: true,
                                                      composed: true, clientX: x, clientY: y}));''',
                name, base64.b64encode(content).decode(), *point)

    def status(self):
        return self.browser.find_element('id', 'pictures-status').text

    def key(self, key):
        ActionChains(self.browser).send_keys(key).perform()

    def add_broken_picture(self, name):
        with tempfile.TemporaryDirectory() as folder:
            broken = pathlib.Path(folder) / name
            broken.write_bytes(b'not a picture at all')
            self.browser.find_element('id', 'add-pictures').send_keys(str(broken))
            self.assertTrue(wait_for(lambda: self.browser.find_element('id', 'pictures-count').text), self.status())

    def chooser_previews(self, *keys, title='Select Game'):
        """Opens New Game, modal, and previews the first entry, then the entries the keys move to, in turn; leaves
        the chooser open."""
        self.click(self.main, NEW_GAME)
        chooser = self.window(title)
        self.assertIsNotNone(chooser, f'no chooser "{title}"')
        self.assertTrue(wait_for(lambda: self.window('Tilora')['blocked']), 'the chooser is not modal')
        self.click(chooser, FIRST_ENTRY)
        previews = [wait_for(lambda: len(set(self.pixels(chooser, PREVIEW))) > 100 and self.pixels(chooser, PREVIEW))]
        self.assertTrue(previews[0], 'the first entry does not preview')
        for key in keys:
            self.key(key)
            previews.append(wait_for(lambda: (p := self.pixels(chooser, PREVIEW)) != previews[-1] and p, 5))
            self.assertTrue(previews[-1], f'the entry {key!r} moves to does not preview')
        return chooser, previews

    def choose_last(self, title='Select Game'):
        """Chooses the last entry, where an added picture named after the samples is listed; returns the message."""
        chooser, _ = self.chooser_previews(Keys.END, title=title)
        self.click(chooser, CHOOSER_OK)
        return self.open_message()

    def cancel(self, chooser):
        self.click(chooser, CHOOSER_CANCEL)
        self.assertTrue(self.gone(chooser['title']), 'the chooser stays open')

    def start_a_game(self):
        """Starts a game with the first picture; the whole picture's squares and the moment the chooser closed."""
        chooser, _ = self.chooser_previews(Keys.DOWN, Keys.UP)
        # The start picture's squares are all different too, and it stays in the canvas until the next frame
        # after the chosen one is loaded.
        start_picture = self.squares()
        self.click(chooser, CHOOSER_OK)
        picked = time.monotonic()
        pieces = wait_for(lambda: (s := self.squares()) != start_picture and len(set(s)) == 48 and s)
        self.assertTrue(pieces, 'the whole picture does not show, or its pieces are not all different')
        return pieces, picked

    def open_message(self):
        return wait_for(lambda: next((w for w in self.windows() if w['title'] == 'Tilora' and w['id'] != self.main['id']), None))

    def test_added_pictures_are_listed_kept_until_forgotten(self):
        self.forget_pictures()
        fetched = 'return performance.getEntriesByType("resource").map(entry => entry.name);'
        page_files = set(self.js(fetched))
        chooser, (first_sample, last_sample) = self.chooser_previews(Keys.END)
        self.cancel(chooser)
        # The chooser lists by name, so these two come last: a JPEG in name only from the picker, and a copy
        # of the first sample dropped onto the game.
        self.add_broken_picture('your-scan.jpeg')
        first = sorted((ROOT / 'images').glob('*.jpg'))[0]
        self.drop_picture('your-holiday.jpg', first.read_bytes(), self.at(self.main, self.cell_centre(20)))
        self.assertTrue(wait_for(lambda: self.browser.find_element('id', 'pictures-count').text == 'Your pictures: 2'))
        self.assertIn('Pictures added: 1.', self.status())

        for visit in ('added', 'reloaded'):
            chooser, (_, scan, holiday) = self.chooser_previews(Keys.END, Keys.UP)
            self.assertTrue(holiday == first_sample, f'{visit}: the dropped picture is not listed')
            self.assertFalse(scan in (first_sample, last_sample), f'{visit}: the broken picture is not listed')
            self.assertLessEqual(set(self.js(fetched)), page_files, f'{visit}: the page made a request for the pictures')
            self.cancel(chooser)
            if visit == 'added':
                # The broken one is chosen: the game's own message, and the game goes on.
                self.assertIsNotNone(self.choose_last(), 'a broken picture gives no message')
                self.assertTrue(self.window('Tilora')['blocked'])
                self.key(Keys.ENTER)
                self.assertTrue(wait_for(lambda: self.open_message() is None), 'the message does not close')
                self.assertFalse(self.window('Tilora')['blocked'])
                self.open_page()

        self.forget_pictures()
        self.assertIn('forgotten', self.status())
        for visit in ('forgotten', 'reloaded'):
            chooser, previews = self.chooser_previews(Keys.END)
            self.assertTrue(previews[1] == last_sample, f'{visit}: forgotten pictures are still listed')
            self.cancel(chooser)
            self.open_page()
        self.assertEqual(self.errors(), [])

    def speaking(self, language):
        """This test's page in a browser of its own whose first language is the one given."""
        english = self.browser
        self.browser = chromium(language)
        self.addCleanup(lambda: (self.browser.quit(), setattr(self, 'browser', english)))
        self.open_page()

    @staticmethod
    def translated(language, text):
        tree = ElementTree.parse(ROOT / 'translations' / f'tilora_{language}.ts')
        return next(m.findtext('translation') for m in tree.iter('message') if m.findtext('source') == text)

    def test_speaks_german_from_the_browsers_languages(self):
        self.speaking('de-DE')
        self.chooser_previews(title=self.translated('de', 'Select Game'))
        self.assertEqual(self.browser.find_element('id', 'add-pictures-words').text, 'Bilder hinzufügen')
        notices = self.js('return ["loading", "ended-words", "restart"].map(id => document.getElementById(id).textContent);')
        self.assertEqual(notices, ['Tilora wird geladen …', 'Tilora ist beendet.', 'Noch einmal spielen'])

    def test_speaks_japanese_and_chinese_with_their_own_letters(self):
        for language, browser_language in (('ja', 'ja'), ('zh_CN', 'zh-CN')):
            with self.subTest(language):
                self.speaking(browser_language)
                # The game's message about a broken picture, listed last, lettered by the program itself.
                self.add_broken_picture('your-scan.jpg')
                message = self.choose_last(self.translated(language, 'Select Game'))
                self.assertIsNotNone(message, 'a broken picture gives no message')
                shapes = wait_for(lambda: len(s := self.js('return tiloraLetterShapes(arguments[0]);', message['id'])) > 20 and s)
                self.browser.get_screenshot_as_file(str(BUILD / f'message-{language}.png'))
                self.assertTrue(shapes, 'the message shows hardly any letters')
                self.assertGreater(len(set(shapes)) / len(shapes), 0.6, 'the letters are drawn as empty boxes')

    def test_fits_a_phone_held_upright_and_a_finger_swaps_pieces(self):
        self.addCleanup(self.browser.execute_cdp_cmd, 'Emulation.clearDeviceMetricsOverride', {})
        self.addCleanup(self.browser.execute_cdp_cmd, 'Emulation.setTouchEmulationEnabled', {'enabled': False})
        self.browser.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
        # A phone narrower than the window is shown the page zoomed out; one 360 px wide, as it is.
        for width, zoom in ((320, 320 / 360), (360, 1)):
            self.browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                         {'width': width, 'height': 740, 'deviceScaleFactor': 1, 'mobile': True})
            self.open_page()
            layout, scrolled, scale = self.js('return [innerWidth, document.documentElement.scrollWidth, visualViewport.scale];')
            self.assertEqual((layout, scrolled), (360, 360), f'{width} px: the page scrolls sideways')
            self.assertAlmostEqual(scale, zoom, 3)
            self.assertTrue(0 <= self.main['x'] and self.main['x'] + self.main['width'] <= 360, f'{width} px: the game does not fit')
            self.assertEqual((round(self.main['width']), round(self.main['height'])), MAIN_SIZE, 'the pieces are not square')
        left, top, right, bottom = self.js('const r = document.getElementById("pictures").getBoundingClientRect(); '
                                           'return [r.left, r.top, r.right, r.bottom];')
        self.assertTrue(0 <= left and right <= 360 and self.main['y'] + self.main['height'] <= top and bottom <= 740,
                        'the picture controls do not fit below the game')
        self.browser.get_screenshot_as_file(str(BUILD / 'phone.png'))

        pieces, _ = self.start_a_game()
        cells = wait_for(lambda: (s := self.squares()) != pieces and s, 15)
        finger = ActionBuilder(self.browser, mouse=PointerInput(interaction.POINTER_TOUCH, 'finger'), duration=50)
        finger.pointer_action.move_to_location(*self.at(self.main, self.cell_centre(0)))
        finger.pointer_action.pointer_down()
        finger.pointer_action.move_to_location(*self.at(self.main, self.cell_centre(9)))
        finger.pointer_action.pointer_up()
        finger.perform()
        cells[0], cells[9] = cells[9], cells[0]
        self.assertTrue(wait_for(lambda: self.squares() == cells, 5), 'the finger did not swap the two pieces')

    def hide_page(self, hidden):
        self.js('''if (arguments[0]) Object.defineProperty(document, 'hidden', {value: true, configurable: true});
                   else delete document.hidden;
                   document.dispatchEvent(new Event('visibilitychange'));''', hidden)

    def test_the_clock_waits_while_the_page_is_hidden(self):
        pieces, picked = self.start_a_game()
        self.hide_page(True)
        hidden = time.monotonic()
        self.addCleanup(self.hide_page, False)
        time.sleep(max(0.0, picked + 6.5 - time.monotonic()))
        self.assertEqual(self.squares(), pieces, 'the preview ended while the page was hidden')
        shown = time.monotonic()
        self.hide_page(False)
        self.assertTrue(wait_for(lambda: self.squares() != pieces, 10), 'the game does not go on once the page shows')
        self.assertGreaterEqual(time.monotonic() - picked - (shown - hidden), 4.5, 'the hidden time counted')

    def kept_files(self):
        return self.browser.execute_async_script('caches.keys().then(arguments[0]);')

    def test_plays_offline_once_visited_and_a_new_build_replaces_its_files(self):
        with tempfile.TemporaryDirectory(dir=BUILD) as folder:
            # A host of its own, which can be cut off: its own origin, with its own service worker.
            page = pathlib.Path(folder)
            for name in ['page-files.txt', *(BUILD / 'page-files.txt').read_text().split()]:
                (page / name).parent.mkdir(parents=True, exist_ok=True)
                os.link(BUILD / name, page / name)
            host = serve(page)
            port = host.server_address[1]
            self.browser.get(f'http://localhost:{port}/')
            self.assertTrue(wait_for(lambda: self.js('return !!navigator.serviceWorker.controller;'), 60),
                            'no service worker takes the page over')
            first = self.kept_files()
            self.assertEqual(len(first), 1)
            stop(host)

            self.browser.get(f'http://localhost:{port}/')
            self.main = self.window('Tilora', 60)
            self.assertIsNotNone(self.main, 'the page does not start with the network cut')
            self.chooser_previews()

            # The next build: one file changed, so a new worker with a new name for its files.
            index = page / 'index.html'
            text = index.read_text()
            index.unlink()
            index.write_text(text + '<!-- the next build -->\n')
            (page / 'service-worker.js').unlink()
            subprocess.run(['cmake', f'-DBUILD={page}', f'-DTEMPLATE={ROOT}/dist/web/service-worker.js',
                            '-P', str(ROOT / 'cmake' / 'ServiceWorker.cmake')], check=True)
            host = serve(page, port)
            try:
                self.browser.get(f'http://localhost:{port}/')
                kept = wait_for(lambda: (k := self.kept_files()) != first and len(k) == 1 and k, 60)
                self.assertTrue(kept, f'the old files are not replaced: {self.kept_files()}')
                self.assertIn(kept[0].removeprefix('tilora-'), (page / 'service-worker.js').read_text())
            finally:
                stop(host)


class FontTest(unittest.TestCase):
    """The page's Chinese and Japanese fonts are cut down to their translations: a text changed since needs them cut anew."""

    def test_the_fonts_cover_their_translations(self):
        from fontTools.ttLib import TTFont
        for language, face in (('ja', 'JP'), ('zh_CN', 'SC')):
            font = TTFont(ROOT / 'dist' / 'web' / 'fonts' / f'NotoSansCJK-{face}-Tilora.otf')
            tree = ElementTree.parse(ROOT / 'translations' / f'tilora_{language}.ts')
            wanted = {c for m in tree.iter('translation') for c in m.text or '' if ord(c) >= 0x2E80}
            missing = wanted - {chr(code) for code in font.getBestCmap()}
            self.assertFalse(missing, f'run tools/subset-cjk-font: {language} lacks {"".join(sorted(missing))}')


if __name__ == '__main__':
    unittest.main()
