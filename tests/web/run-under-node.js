// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a Qt test built for WebAssembly under Node: Qt builds every program as a module that its page
// starts, so this starts it instead, with the test's own arguments. Qt reads the languages from the
// browser's navigator, which Node before 21 lacks: the tests expect English.
// Usage: node run-under-node.js <test>.js [test arguments]
const path = require('path');
const [program, ...testArguments] = process.argv.slice(2);
globalThis.navigator ??= { language: 'en-US', languages: ['en-US'] };
require(path.resolve(program))({ arguments: testArguments });
