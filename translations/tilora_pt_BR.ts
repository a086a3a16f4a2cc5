<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>PictureCell</name>
    <message>
        <source>Cell %1</source>
        <translation>Casa %1</translation>
    </message>
</context>
<context>
    <name>PictureLoader</name>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is not a picture Tilora can open.</source>
        <translation>O arquivo não é uma imagem que o Tilora consiga abrir.</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>A imagem está danificada ou incompleta.</translation>
    </message>
    <message>
        <source>The picture is too large to open.</source>
        <translation>A imagem é grande demais para ser aberta.</translation>
    </message>
</context>
<context>
    <name>TitleWords</name>
    <message>
        <source>A picture tile puzzle</source>
        <translation>Um quebra-cabeça de imagens</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ...</source>
        <translation>Sobre o Tilora</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Sobre o Tilora</translation>
    </message>
    <message>
        <source>Tilora, a picture tile puzzle. Version 1.0.</source>
        <translation>Tilora, um quebra-cabeça de imagens. Versão 1.0.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close the About window</source>
        <translation>Fechar a janela Sobre</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>You Win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>Congratulation, You Win!</source>
        <translation>Parabéns, você venceu!</translation>
    </message>
    <message>
        <source>Sorry, You Fail!</source>
        <translation>Que pena, você perdeu!</translation>
    </message>
    <message>
        <source>Whole picture</source>
        <translation>Imagem inteira</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Choose a picture and start a new game</source>
        <translation>Escolher uma imagem e começar um novo jogo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Tilora</source>
        <translation>Sobre o Tilora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Close Tilora</source>
        <translation>Sair do Tilora</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.

%2</source>
        <translation>Não foi possível abrir a imagem “%1”.

%2</translation>
    </message>
</context>
<context>
    <name>frmSelectImage</name>
    <message>
        <source>Select Game</source>
        <translation>Escolher jogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Start a new game with the selected picture</source>
        <translation>Começar um novo jogo com a imagem escolhida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without starting a game</source>
        <translation>Fechar sem começar um jogo</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Não foi possível abrir</translation>
    </message>
</context>
</TS>
