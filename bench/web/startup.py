#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times the page from navigation until the main window is drawn, against a bare Qt Widgets window built
the same way and shown in the same page, in the same headless Chromium, each visit in a fresh browser with
nothing kept from an earlier one. Reports the medians, the ratio Tilora / bare, and the bytes each visit
transferred (as Python's server sends them, uncompressed) beside what a host that gzips would send.
Run in Debian 13 (or its root) after: cmake --build build-web --target all tilora_bare_window
Usage: bench/web/startup.py [build folder, default build-web] [visits of each, default 7]"""
import gzip
import importlib.util
import pathlib
import statistics
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

ROOT = pathlib.Path(__file__).resolve().parents[2]
server_module = importlib.util.spec_from_file_location('web_server', ROOT / 'scripts' / 'web-server.py')
web_server = importlib.util.module_from_spec(server_module)
server_module.loader.exec_module(web_server)

# Notes the moment a Qt window's canvas first holds a painted pixel, checked at every frame. Neither page
# registers its service worker, which would copy the game's files in the background of the bare one.
WATCH_FOR_A_DRAWN_WINDOW = r'''
delete Navigator.prototype.serviceWorker;
(function watch() {
  const canvas = document.querySelector('#qt-shadow-container')?.shadowRoot?.querySelector('canvas.qt-window-content');
  if (canvas && canvas.width > 1 && canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data[3])
    window.tiloraDrawn = performance.now();
  else
    requestAnimationFrame(watch);
})();
'''


def visit(address):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--window-size=1024,768', '--force-device-scale-factor=1',
                     '--disable-dev-shm-usage'):
        options.add_argument(argument)
    browser = webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))
    try:
        browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH_FOR_A_DRAWN_WINDOW})
        browser.get(address)
        for _ in range(1200):
            drawn = browser.execute_script('return window.tiloraDrawn;')
            if drawn:
                break
            time.sleep(0.05)
        else:
            raise RuntimeError(f'{address}: no window drawn in a minute')
        sent = browser.execute_script('''return performance.getEntriesByType('navigation')
            .concat(performance.getEntriesByType('resource')).reduce((sum, entry) => sum + entry.transferSize, 0);''')
        return drawn / 1000, sent
    finally:
        browser.quit()


def gzipped(folder, names):
    return sum(len(gzip.compress((folder / name).read_bytes(), 6)) for name in names)


def main():
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / 'build-web').resolve()
    visits = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    server = web_server.server(str(build), 0, quiet=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = f'http://localhost:{server.server_address[1]}/'
    times = {'tilora': [], 'bare': []}
    sent = {}
    for _ in range(visits):
        for name, page in (('tilora', 'index.html'), ('bare', 'bare-window.html')):
            seconds, sent[name] = visit(base + page)
            times[name].append(seconds)
    server.shutdown()
    tilora, bare = statistics.median(times['tilora']), statistics.median(times['bare'])
    page = [line for line in (build / 'page-files.txt').read_text().split() if line != 'service-worker.js']
    bare_files = ['bare-window.html', 'qtloader.js', 'tilora_bare_window.js', 'tilora_bare_window.wasm']
    print(f'Navigation to the main window drawn, median of {visits} visits in fresh browsers:')
    print(f'  Tilora {tilora:.2f} s, bare Qt window {bare:.2f} s, ratio Tilora / bare {tilora / bare:.2f}')
    print(f'  Tilora: {sent["tilora"] / 1e6:.2f} MB transferred as sent here; '
          f'{gzipped(build, page) / 1e6:.2f} MB gzipped, the files the service worker keeps as well')
    print(f'  bare:   {sent["bare"] / 1e6:.2f} MB transferred as sent here; {gzipped(build, bare_files) / 1e6:.2f} MB gzipped')


if __name__ == '__main__':
    main()
