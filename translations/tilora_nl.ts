<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Vak %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Het bestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Het bestand is geen afbeelding die Tilora kan openen.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>De afbeelding is beschadigd of onvolledig.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>De afbeelding is te groot om te openen.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Een afbeeldingspuzzel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Over Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Over Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, een afbeeldingspuzzel. Versie 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Het venster Over Tilora sluiten</translation>
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
        <translation>Gefeliciteerd, gewonnen!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Helaas, verloren!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Volledige afbeelding</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Kies een afbeelding en begin een nieuw spel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Naam en versie van Tilora tonen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Tilora afsluiten</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>De afbeelding ‘%1’ kon niet worden geopend.

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Spel kiezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Een nieuw spel beginnen met de gekozen afbeelding</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Sluiten zonder een spel te beginnen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Openen mislukt</translation>
    </message>
</context>
</TS>
