<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Casella %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Il file non è un’immagine che Tilora possa aprire.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>L’immagine è danneggiata o incompleta.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>L’immagine è troppo grande per essere aperta.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Un puzzle di immagini</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Informazioni su Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Informazioni su Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, un puzzle di immagini. Versione 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Chiudi la finestra delle informazioni</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Complimenti, hai vinto!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Peccato, hai perso!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Immagine intera</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Scegli un’immagine e inizia una nuova partita</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Informazioni su Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Esci da Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Impossibile aprire l’immagine «%1».

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Scegli la partita</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Inizia una nuova partita con l’immagine scelta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Chiudi senza iniziare una partita</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossibile aprire</translation>
    </message>
</context>
</TS>
