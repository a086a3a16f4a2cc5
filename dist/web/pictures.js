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
  // The page's words in the languages the game speaks: the picture controls', and its own notices.
  const WORDS = {
    en: ['Add pictures', 'Forget my pictures', 'JPEG pictures, also dropped onto the page, stay in this browser.',
         'Your pictures: {n}', 'Pictures added: {n}. New Game lists them.',
         'This browser keeps no pictures: they are gone after this visit.', 'Not a JPEG picture: {names}.',
         'Your pictures are forgotten: only the samples are left.',
         'Loading Tilora…', 'Tilora has ended.', 'Play again',
         'Tilora could not start: {error}'],
    de: ['Bilder hinzufügen', 'Meine Bilder vergessen', 'JPEG-Bilder, auch auf die Seite gezogen, bleiben in diesem Browser.',
         'Eigene Bilder: {n}', 'Bilder hinzugefügt: {n}. „Neues Spiel“ listet sie auf.',
         'Dieser Browser behält keine Bilder: Nach diesem Besuch sind sie fort.', 'Kein JPEG-Bild: {names}.',
         'Die eigenen Bilder sind vergessen: Nur die Beispielbilder bleiben.',
         'Tilora wird geladen …', 'Tilora ist beendet.', 'Noch einmal spielen',
         'Tilora konnte nicht starten: {error}'],
    fr: ['Ajouter des images', 'Oublier mes images', 'Les images JPEG, aussi déposées sur la page, restent dans ce navigateur.',
         'Vos images : {n}', 'Images ajoutées : {n}. Nouvelle partie les propose.',
         'Ce navigateur ne garde aucune image : elles disparaîtront après cette visite.', 'Pas une image JPEG : {names}.',
         'Vos images sont oubliées : il ne reste que les exemples.',
         'Chargement de Tilora…', 'Tilora est terminé.', 'Rejouer',
         'Tilora n’a pas pu démarrer : {error}'],
    es: ['Añadir imágenes', 'Olvidar mis imágenes', 'Las imágenes JPEG, también las que sueltes en la página, se quedan en este navegador.',
         'Tus imágenes: {n}', 'Imágenes añadidas: {n}. Nueva partida las muestra.',
         'Este navegador no guarda imágenes: desaparecerán después de esta visita.', 'No es una imagen JPEG: {names}.',
         'Tus imágenes se han olvidado: solo quedan las de ejemplo.',
         'Cargando Tilora…', 'Tilora ha terminado.', 'Volver a jugar',
         'Tilora no pudo iniciarse: {error}'],
    it: ['Aggiungi immagini', 'Dimentica le mie immagini', 'Le immagini JPEG, anche trascinate sulla pagina, restano in questo browser.',
         'Le tue immagini: {n}', 'Immagini aggiunte: {n}. Nuova partita le elenca.',
         'Questo browser non conserva immagini: spariranno dopo questa visita.', 'Non è un’immagine JPEG: {names}.',
         'Le tue immagini sono dimenticate: restano solo quelle di esempio.',
         'Caricamento di Tilora…', 'Tilora è terminato.', 'Gioca di nuovo',
         'Impossibile avviare Tilora: {error}'],
    pt_BR: ['Adicionar imagens', 'Esquecer minhas imagens', 'Imagens JPEG, também soltas na página, ficam neste navegador.',
            'Suas imagens: {n}', 'Imagens adicionadas: {n}. Novo jogo as lista.',
            'Este navegador não guarda imagens: elas somem depois desta visita.', 'Não é uma imagem JPEG: {names}.',
            'Suas imagens foram esquecidas: só restam as de exemplo.',
            'Carregando o Tilora…', 'O Tilora foi encerrado.', 'Jogar de novo',
            'Não foi possível iniciar o Tilora: {error}'],
    nl: ['Afbeeldingen toevoegen', 'Mijn afbeeldingen vergeten', 'JPEG-afbeeldingen, ook op de pagina neergezet, blijven in deze browser.',
         'Eigen afbeeldingen: {n}', 'Afbeeldingen toegevoegd: {n}. Nieuw spel toont ze.',
         'Deze browser bewaart geen afbeeldingen: na dit bezoek zijn ze weg.', 'Geen JPEG-afbeelding: {names}.',
         'Je afbeeldingen zijn vergeten: alleen de voorbeelden blijven over.',
         'Tilora wordt geladen…', 'Tilora is afgesloten.', 'Opnieuw spelen',
         'Tilora kon niet starten: {error}'],
    pl: ['Dodaj obrazy', 'Zapomnij moje obrazy', 'Obrazy JPEG, także upuszczone na stronę, zostają w tej przeglądarce.',
         'Twoje obrazy: {n}', 'Dodane obrazy: {n}. Nowa gra je wyświetli.',
         'Ta przeglądarka nie przechowuje obrazów: znikną po tej wizycie.', 'To nie jest obraz JPEG: {names}.',
         'Twoje obrazy zostały zapomniane: zostały tylko przykładowe.',
         'Wczytywanie gry Tilora…', 'Gra Tilora została zakończona.', 'Zagraj ponownie',
         'Nie udało się uruchomić gry Tilora: {error}'],
    ru: ['Добавить изображения', 'Забыть мои изображения', 'Изображения JPEG, в том числе перетащенные на страницу, остаются в этом браузере.',
         'Ваши изображения: {n}', 'Добавлено изображений: {n}. «Новая игра» покажет их.',
         'Этот браузер не хранит изображения: после этого визита они пропадут.', 'Не изображение JPEG: {names}.',
         'Ваши изображения забыты: остались только примеры.',
         'Загрузка Tilora…', 'Игра Tilora завершена.', 'Играть снова',
         'Не удалось запустить Tilora: {error}'],
    uk: ['Додати зображення', 'Забути мої зображення', 'Зображення JPEG, зокрема перетягнуті на сторінку, лишаються в цьому браузері.',
         'Ваші зображення: {n}', 'Додано зображень: {n}. «Нова гра» покаже їх.',
         'Цей браузер не зберігає зображень: після цього візиту вони зникнуть.', 'Не зображення JPEG: {names}.',
         'Ваші зображення забуто: лишилися тільки приклади.',
         'Завантаження Tilora…', 'Гру Tilora завершено.', 'Грати знову',
         'Не вдалося запустити Tilora: {error}'],
    tr: ['Resim ekle', 'Resimlerimi unut', 'JPEG resimler, sayfaya bırakılanlar da, bu tarayıcıda kalır.',
         'Resimleriniz: {n}', 'Eklenen resim: {n}. Yeni Oyun bunları listeler.',
         'Bu tarayıcı resim saklamıyor: bu ziyaretten sonra silinecekler.', 'JPEG resmi değil: {names}.',
         'Resimleriniz unutuldu: yalnızca örnekler kaldı.',
         'Tilora yükleniyor…', 'Tilora kapandı.', 'Yeniden oyna',
         'Tilora başlatılamadı: {error}'],
    ja: ['画像を追加', '追加した画像を消去', 'JPEG 画像はページへのドロップでも追加でき、このブラウザーに保存されます。',
         '追加した画像: {n}', '{n} 枚の画像を追加しました。「新しいゲーム」で選べます。',
         'このブラウザーは画像を保存しません。この訪問が終わると消えます。', 'JPEG 画像ではありません: {names}',
         '追加した画像を消去しました。サンプル画像だけが残っています。',
         'Tilora を読み込んでいます…', 'Tilora は終了しました。', 'もう一度遊ぶ',
         'Tilora を起動できませんでした: {error}'],
    zh_CN: ['添加图片', '忘记我的图片', 'JPEG 图片（也可拖放到页面上）保存在此浏览器中。',
            '我的图片：{n}', '已添加 {n} 张图片，“新游戏”中可以选择。',
            '此浏览器不保存图片：本次访问结束后它们将消失。', '不是 JPEG 图片：{names}。',
            '你的图片已被忘记：只剩下示例图片。',
            '正在加载 Tilora…', 'Tilora 已结束。', '再玩一次',
            '无法启动 Tilora：{error}'],
  };
  let database = null;
  let program = null;
  let kept = new Set();
  let waiting = [];

  // Chosen from the browser's languages as the game chooses its own: English asked for first wins, another
  // region reads its language's texts (Portugal's Portuguese reads Brazil's), another script does not.
  const language = (() => {
    for (const tag of navigator.languages ?? [navigator.language]) {
      const [code, ...rest] = tag.toLowerCase().split('-');
      if (code === 'zh' && !rest.some(part => ['hant', 'tw', 'hk', 'mo'].includes(part)))
        return 'zh_CN';
      const spoken = code === 'pt' ? 'pt_BR' : code;
      if (spoken !== 'zh' && WORDS[spoken])
        return spoken;
    }
    return 'en';
  })();
  const [ADD, FORGET, HINT, COUNT, ADDED, UNKEPT, REFUSED, FORGOTTEN, LOADING, ENDED, AGAIN, FAILED] = WORDS[language];
  const fill = (text, values) => text.replace(/\{(\w+)\}/g, (_, name) => values[name]);

  const done = request => new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
  const store = mode => database.transaction(STORE, mode).objectStore(STORE);
  const element = id => document.getElementById(id);

  element('loading').textContent = LOADING;
  element('ended-words').textContent = ENDED;
  element('restart').textContent = AGAIN;

  function say(text) {
    element('pictures-status').textContent = text;
  }

  function showCount() {
    element('forget-pictures').disabled = kept.size === 0;
    element('pictures-count').textContent = kept.size === 0 ? '' : fill(COUNT, {n: kept.size});
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
    if (pictures.length > 0)
      parts.push(fill(ADDED, {n: pictures.length}));
    if (unkept > 0 || (pictures.length > 0 && !database))
      parts.push(UNKEPT);
    if (refused.length > 0)
      parts.push(fill(REFUSED, {names: refused.join(', ')}));
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
    try {
      await done(store('readwrite').clear());
    } catch {
      // A browser that keeps nothing has nothing stored to remove.
    }
    showCount();
    say(FORGOTTEN);
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
    failedToStart: error => fill(FAILED, {error}),
    // Reads what earlier visits kept; a browser that keeps nothing (storage turned off) still lets the
    // player add pictures for this visit.
    async open() {
      element('add-pictures-words').textContent = ADD;
      element('forget-pictures').textContent = FORGET;
      say(HINT);
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
