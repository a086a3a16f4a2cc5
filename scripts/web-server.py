#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tilora developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on http://localhost:<port>/ as any static host would, with .wasm as application/wasm,
which browsers need to compile the program while it downloads."""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.webmanifest': 'application/manifest+json'}


class QuietHandler(Handler):
    def log_message(self, format, *args):
        pass


def server(folder, port=8000, quiet=False):
    handler = functools.partial(QuietHandler if quiet else Handler, directory=folder)
    return http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)


if __name__ == '__main__':
    folder, port = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    with server(folder, port) as running:
        print(f'Tilora is served on http://localhost:{port}/ (Ctrl+C stops it)', flush=True)
        try:
            running.serve_forever()
        except KeyboardInterrupt:
            pass
