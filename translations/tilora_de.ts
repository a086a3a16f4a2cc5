<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Feld %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Die Datei ist kein Bild, das Tilora öffnen kann.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>Das Bild ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>Das Bild ist zu groß, um es zu öffnen.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Ein Bilderpuzzle</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Über Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Über Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, ein Bilderpuzzle. Version 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Das Fenster „Über Tilora“ schließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Glückwunsch, gewonnen!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Leider verloren!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Ganzes Bild</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Ein Bild wählen und ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Name und Version von Tilora anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Tilora beenden</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Verbrauchte Zeit</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Das Bild „%1“ konnte nicht geöffnet werden.

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Spiel auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Ein neues Spiel mit dem gewählten Bild beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Schließen, ohne ein Spiel zu beginnen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
</context>
</TS>
