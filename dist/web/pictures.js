// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own pictures. Picked with "Add pictures" or dropped onto the page, each JPEG goes into
// images/ in the program's file system, where the next New Game lists it beside the samples, and into
// the browser's own storage (IndexedDB), from which every later visit puts it back before the program
// starts, until the player forgets them. Nothing is sent anywhere: the files go from the player's disk
// into this tab's memory and storage only. The game reads them as it reads the samples, so a damaged
// picture gives the game's own message when it is chosen.
const tiloraPictures = (() => {
  const FOLDER = '/images';
  const STORE = 'pictures';
  let database = null;
  let program = null;
  let kept = new Set();
  let waiting = [];

  const done = request => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  const store = mode => database.transaction(STORE, mode).objectStore(STORE);
  const element = id => document.getElementById(id);

  function say(text) {
    element('pictures-status').textContent = text;
  }

  function showCount() {
    element('forget-pictures').disabled = kept.size === 0;
    element('pictures-count').textContent = kept.size === 0 ? '' : `Your pictures: ${kept.size}`;
  }

  // The game lists "*.jpg": a ".jpeg" is renamed, and a name taken by a sample or an earlier picture
  // gets a number, so that nothing the folder holds is overwritten.
  function freeName(file) {
    const base = file.name.replace(/\.jpe?g$/i, '').replace(/^\.+/, '') || 'picture';
    const taken = new Set(program.FS.readdir(FOLDER).map(name => name.toLowerCase()));
    let name = `${base}.jpg`;
    for (let number = 2; taken.has(name.toLowerCase()); ++number)
      name = `${base} (${number}).jpg`;
    return name;
  }

  const isJpeg = file => file.type === 'image/jpeg' || /\.jpe?g$/i.test(file.name);

  function putInFolder(name, bytes) {
    program.FS.writeFile(`${FOLDER}/${name}`, bytes);
  }

  async function add(files) {
    if (!program)
      return;
    const pictures = [...files].filter(isJpeg);
    const refused = [...files].filter(file => !isJpeg(file)).map(file => file.name);
    let unkept = 0;
    for (const file of pictures) {
      const bytes = new Uint8Array(await file.arrayBuffer());
      const name = freeName(file);
      putInFolder(name, bytes);
      kept.add(name);
      try {
        await done(store('readwrite').put(bytes.buffer, name));
      } catch {
        ++unkept;
      }
    }
    if (pictures.length > 0)
      navigator.storage?.persist?.();
    showCount();
    const parts = [];
    if (pictures.length === 1)
      parts.push('1 picture added: New Game lists it.');
    else if (pictures.length > 1)
      parts.push(`${pictures.length} pictures added: New Game lists them.`);
    if (unkept > 0 || (pictures.length > 0 && !database))
      parts.push('This browser keeps no pictures, so they are gone after this visit.');
    if (refused.length > 0)
      parts.push(`Not a JPEG picture: ${refused.join(', ')}.`);
    say(parts.join(' '));
  }

  async function forget() {
    for (const name of kept) {
      try {
        program?.FS.unlink(`${FOLDER}/${name}`);
      } catch {
        // Already gone from the folder: only the stored copy is left to remove.
      }
    }
    kept = new Set();
    if (database)
      await done(store('readwrite').clear());
    showCount();
    say('Your pictures are forgotten: only the samples are left.');
  }

  // The page lights up while files are dragged over it; a drop anywhere adds them. The page listens
  // before the game's windows do, so a drop onto a window adds the pictures too.
  function acceptDrops() {
    const carriesFiles = event => event.dataTransfer?.types.includes('Files');
    const over = event => {
      if (!carriesFiles(event))
        return;
      event.preventDefault();
      event.stopPropagation();
      document.body.classList.add('dropping');
    };
    window.addEventListener('dragenter', over, true);
    window.addEventListener('dragover', over, true);
    window.addEventListener('dragleave', event => {
      if (!event.relatedTarget)
        document.body.classList.remove('dropping');
    }, true);
    window.addEventListener('drop', event => {
      document.body.classList.remove('dropping');
      if (!carriesFiles(event))
        return;
      event.preventDefault();
      event.stopPropagation();
      add(event.dataTransfer.files);
    }, true);
  }

  return {
    // Reads what earlier visits kept; a browser that keeps nothing (storage turned off) still lets the
    // player add pictures for this visit.
    async open() {
      element('add-pictures').addEventListener('change', event => {
        add(event.target.files).finally(() => { event.target.value = ''; });
      });
      element('forget-pictures').addEventListener('click', forget);
      acceptDrops();
      try {
        database = await new Promise((resolve, reject) => {
          const request = indexedDB.open('tilora', 1);
          request.onupgradeneeded = () => request.result.createObjectStore(STORE);
          request.onsuccess = () => resolve(request.result);
          request.onerror = () => reject(request.error);
          request.onblocked = () => reject(new Error('blocked'));
        });
        const reading = store('readonly');
        const [names, contents] = await Promise.all([done(reading.getAllKeys()), done(reading.getAll())]);
        waiting = names.map((name, i) => [name, new Uint8Array(contents[i])]);
      } catch {
        database = null;
      }
    },
    // Called with the program before it runs.
    attach(module) {
      program = module;
    },
    // The samples are in the folder by now, and the game has not listed it yet.
    restore() {
      for (const [name, bytes] of waiting) {
        putInFolder(name, bytes);
        kept.add(name);
      }
      waiting = [];
      element('pictures').hidden = false;
      showCount();
    },
  };
})();
