<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ui</name>
    <message>
        <source>Projeto preliminar de bocais sino de motores de foguete pela aproximação parabólica de empuxo otimizado (Rao): contorno da parede, arquivo de perfil e exportação para OpenFOAM, Gmsh, POV-Ray e CAD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licença MIT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sobre o bellnozzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Projeto:&lt;/b&gt; digite o diâmetro da garganta (cm) e epsilon, escolha o comprimento na lista e tecle Enter ou Ctrl+K (&quot;Cálculo&quot;). O perfil vai para zelto_perfil.txt na pasta de trabalho, mostrada à direita da barra de menus.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exportar:&lt;/b&gt; cada item lê o perfil da pasta e grava o seu arquivo (blockMesh, Gmsh, POV-Ray, CAD, caso OpenFOAM), mostrado no painel de texto.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;tt&gt;man bellnozzle&lt;/tt&gt; e o guia do usuário (docs/user-guide.md); &lt;tt&gt;bellnozzle --help&lt;/tt&gt; lista os comandos.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A língua da janela; os arquivos gravados ficam em português</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projeto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exportar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simulação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cálculo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projeta o bocal com as entradas e grava zelto_perfil.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráficos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra theta.bmp e as dez curvas do gráfico de projeto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava blockMeshDict.txt (OpenFOAM) do perfil da pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava mesh.geo (Gmsh): a cunha de dois lados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava mesh.geo (Gmsh): a face girada em torno do eixo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grava nozzle1.pov (cena POV-Ray) do perfil da pasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha a janela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Como usar a janela, e onde está o manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diâmetro da garganta, em cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprimento do sino, em % do bocal cônico de 15 graus: escolha na lista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razão de áreas saída/garganta; o gráfico cobre 5 a 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ângulo da parede no início da parábola, em graus (calculado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ângulo da parede na saída, em graus (calculado)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projeta o bocal cônico de 15 graus em vez do sino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número de células ao longo do eixo (blockMesh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número de células do eixo à parede (blockMesh)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projeta o bocal com as entradas e grava zelto_perfil.txt (Ctrl+K, Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O último arquivo gravado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O gráfico de projeto, a prévia da cunha ou a imagem da última ação</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O contorno (cm, mesma escala nos dois eixos) ou as curvas do gráfico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diâmetro garganta (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprimento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>theta_n (graus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>theta_s (graus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bocal cônico</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
