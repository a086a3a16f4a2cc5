<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Case %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>Ce fichier n’est pas une image que Tilora puisse ouvrir.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>L’image est endommagée ou incomplète.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>L’image est trop grande pour être ouverte.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Un puzzle d’images</translation>
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
        <translation>À propos de Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>À propos de Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, un puzzle d’images. Version 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fermer la fenêtre À propos</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Bravo, vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Dommage, perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Image entière</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Choisir une image et commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>À propos de Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Quitter Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Impossible d’ouvrir l’image «&#xa0;%1&#xa0;».

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Choisir une partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Commencer une nouvelle partie avec l’image choisie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Fermer sans commencer de partie</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Ouverture impossible</translation>
    </message>
</context>
</TS>
