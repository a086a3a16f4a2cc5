<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Pole %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Plik nie jest obrazem, który Tilora potrafi otworzyć.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>Obraz jest uszkodzony lub niekompletny.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>Obraz jest zbyt duży, aby go otworzyć.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Układanka obrazkowa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>O programie Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>O programie Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, układanka obrazkowa. Wersja 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Zamknij okno O programie</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Gratulacje, wygrana!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Niestety, przegrana!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Cały obraz</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Wybierz obraz i rozpocznij nową grę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>O programie Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Zakończ program Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Wykorzystany czas</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Nie można otworzyć obrazu „%1”.

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Wybór gry</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Rozpocznij nową grę z wybranym obrazem</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Zamknij bez rozpoczynania gry</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Nie można otworzyć</translation>
    </message>
</context>
</TS>
