<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Casilla %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>El archivo no es una imagen que Tilora pueda abrir.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>La imagen está dañada o incompleta.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>La imagen es demasiado grande para abrirla.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Un rompecabezas de imágenes</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Acerca de Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Acerca de Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, un rompecabezas de imágenes. Versión 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Cerrar la ventana Acerca de</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>¡Enhorabuena, has ganado!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>¡Lo siento, has perdido!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Imagen completa</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Elegir una imagen y empezar una nueva partida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Acerca de Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Salir de Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>No se pudo abrir la imagen «%1».

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Elegir partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Empezar una nueva partida con la imagen elegida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Cerrar sin empezar una partida</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>No se puede abrir</translation>
    </message>
</context>
</TS>
