<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ui</name>
    <message>
        <source>Projeto preliminar de bocais sino de motores de foguete pela aproximação parabólica de empuxo otimizado (Rao): contorno da parede, arquivo de perfil e exportação para OpenFOAM, Gmsh, POV-Ray e CAD.</source>
        <translation>Preliminary design of bell nozzles for rocket engines by the thrust-optimised parabolic approximation (Rao): wall contour, profile file and export to OpenFOAM, Gmsh, POV-Ray and CAD.</translation>
    </message>
    <message>
        <source>Licença MIT.</source>
        <translation>MIT licence.</translation>
    </message>
    <message>
        <source>Sobre o bellnozzle</source>
        <translation>About bellnozzle</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Projeto:&lt;/b&gt; digite o diâmetro da garganta (cm) e epsilon, escolha o comprimento na lista e tecle Enter ou Ctrl+K (&quot;Cálculo&quot;). O perfil vai para zelto_perfil.txt na pasta de trabalho, mostrada à direita da barra de menus.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exportar:&lt;/b&gt; cada item lê o perfil da pasta e grava o seu arquivo (blockMesh, Gmsh, POV-Ray, CAD, caso OpenFOAM), mostrado no painel de texto.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;tt&gt;man bellnozzle&lt;/tt&gt; e o guia do usuário (docs/user-guide.md); &lt;tt&gt;bellnozzle --help&lt;/tt&gt; lista os comandos.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Design:&lt;/b&gt; type the throat diameter (cm) and epsilon, pick the length in the list and press Enter or Ctrl+K (&quot;Calculate&quot;). The profile goes to zelto_perfil.txt in the working folder, shown at the right of the menu bar.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Export:&lt;/b&gt; each item reads the folder&apos;s profile and writes its own file (blockMesh, Gmsh, POV-Ray, CAD, OpenFOAM case), shown in the text pane. Files are written in Portuguese whatever the window&apos;s language.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Manual:&lt;/b&gt; &lt;tt&gt;man bellnozzle&lt;/tt&gt; and the user guide (docs/user-guide.md); &lt;tt&gt;bellnozzle --help&lt;/tt&gt; lists the commands.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>A língua da janela; os arquivos gravados ficam em português</source>
        <translation>The window&apos;s language; the files written stay in Portuguese</translation>
    </message>
    <message>
        <source>&amp;Projeto</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Exportar</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Simulação</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Cálculo</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Projeta o bocal com as entradas e grava zelto_perfil.txt</source>
        <translation>Designs the nozzle from the inputs and writes zelto_perfil.txt</translation>
    </message>
    <message>
        <source>Gráficos</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Mostra theta.bmp e as dez curvas do gráfico de projeto</source>
        <translation>Shows theta.bmp and the ten curves of the design chart</translation>
    </message>
    <message>
        <source>Grava blockMeshDict.txt (OpenFOAM) do perfil da pasta</source>
        <translation>Writes blockMeshDict.txt (OpenFOAM) from the folder&apos;s profile</translation>
    </message>
    <message>
        <source>Grava mesh.geo (Gmsh): a cunha de dois lados</source>
        <translation>Writes mesh.geo (Gmsh): the two-sided wedge</translation>
    </message>
    <message>
        <source>Grava mesh.geo (Gmsh): a face girada em torno do eixo</source>
        <translation>Writes mesh.geo (Gmsh): the face revolved about the axis</translation>
    </message>
    <message>
        <source>Grava nozzle1.pov (cena POV-Ray) do perfil da pasta</source>
        <translation>Writes nozzle1.pov (POV-Ray scene) from the folder&apos;s profile</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Fecha a janela</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>Ajuda...</source>
        <translation>Help...</translation>
    </message>
    <message>
        <source>Como usar a janela, e onde está o manual</source>
        <translation>How to use the window, and where the manual is</translation>
    </message>
    <message>
        <source>Diâmetro da garganta, em cm</source>
        <translation>Throat diameter, in cm</translation>
    </message>
    <message>
        <source>Comprimento do sino, em % do bocal cônico de 15 graus: escolha na lista</source>
        <translation>Bell length, in % of the 15-degree conical nozzle: pick it in the list</translation>
    </message>
    <message>
        <source>Razão de áreas saída/garganta; o gráfico cobre 5 a 50</source>
        <translation>Exit-to-throat area ratio; the chart covers 5 to 50</translation>
    </message>
    <message>
        <source>Ângulo da parede no início da parábola, em graus (calculado)</source>
        <translation>Wall angle at the start of the parabola, in degrees (calculated)</translation>
    </message>
    <message>
        <source>Ângulo da parede na saída, em graus (calculado)</source>
        <translation>Wall angle at the exit, in degrees (calculated)</translation>
    </message>
    <message>
        <source>Projeta o bocal cônico de 15 graus em vez do sino</source>
        <translation>Designs the 15-degree conical nozzle instead of the bell</translation>
    </message>
    <message>
        <source>Número de células ao longo do eixo (blockMesh)</source>
        <translation>Number of cells along the axis (blockMesh)</translation>
    </message>
    <message>
        <source>Número de células do eixo à parede (blockMesh)</source>
        <translation>Number of cells from the axis to the wall (blockMesh)</translation>
    </message>
    <message>
        <source>Projeta o bocal com as entradas e grava zelto_perfil.txt (Ctrl+K, Enter)</source>
        <translation>Designs the nozzle from the inputs and writes zelto_perfil.txt (Ctrl+K, Enter)</translation>
    </message>
    <message>
        <source>O último arquivo gravado</source>
        <translation>The file written last</translation>
    </message>
    <message>
        <source>O gráfico de projeto, a prévia da cunha ou a imagem da última ação</source>
        <translation>The design chart, the wedge preview or the picture of the last action</translation>
    </message>
    <message>
        <source>O contorno (cm, mesma escala nos dois eixos) ou as curvas do gráfico</source>
        <translation>The contour (cm, same scale on both axes) or the chart curves</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Diâmetro garganta (cm)</source>
        <translation>Throat diameter (cm)</translation>
    </message>
    <message>
        <source>Comprimento</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>theta_n (graus)</source>
        <translation>theta_n (deg)</translation>
    </message>
    <message>
        <source>theta_s (graus)</source>
        <translation>theta_s (deg)</translation>
    </message>
    <message>
        <source>bocal cônico</source>
        <translation>conical nozzle</translation>
    </message>
    <message>
        <source>Espessura da parede: um número na unidade escolhida, ou com unidade: 2 mm, 0,2 cm, 0,08 in</source>
        <translation>Wall thickness: a number in the unit chosen, or with a unit: 2 mm, 0.2 cm, 0.08 in</translation>
    </message>
    <message>
        <source>Unidade de comprimento do arquivo</source>
        <translation>Length unit of the file</translation>
    </message>
    <message>
        <source>parede do bocal</source>
        <translation>nozzle wall</translation>
    </message>
    <message>
        <source>escoamento (volume interno)</source>
        <translation>flow (inner volume)</translation>
    </message>
    <message>
        <source>A parede (com espessura) ou o volume do gás dentro dela</source>
        <translation>The wall (with its thickness) or the gas volume inside it</translation>
    </message>
    <message>
        <source>Unidade</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Corpo</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Espessura da parede</source>
        <translation>Wall thickness</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Imagem renderizada</source>
        <translation>Rendered picture</translation>
    </message>
    <message>
        <source>Renderizando com o POV-Ray...</source>
        <translation>Rendering with POV-Ray...</translation>
    </message>
    <message>
        <source>Interromper</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>STEP (sólido)...</source>
        <translation>STEP (solid)...</translation>
    </message>
    <message>
        <source>Grava nozzle.step: o sólido para CAD</source>
        <translation>Writes nozzle.step: the solid for CAD</translation>
    </message>
    <message>
        <source>STL (malha do sólido)...</source>
        <translation>STL (solid mesh)...</translation>
    </message>
    <message>
        <source>Grava nozzle.stl: a malha do sólido, para impressão 3-D</source>
        <translation>Writes nozzle.stl: the solid&apos;s mesh, for 3-D printing</translation>
    </message>
    <message>
        <source>DXF (meia seção)...</source>
        <translation>DXF (half section)...</translation>
    </message>
    <message>
        <source>Grava nozzle.dxf: a meia seção em 2-D</source>
        <translation>Writes nozzle.dxf: the 2-D half section</translation>
    </message>
    <message>
        <source>SVG (gabarito 1:1)...</source>
        <translation>SVG (1:1 template)...</translation>
    </message>
    <message>
        <source>Grava nozzle.svg: a seção em escala 1:1, para imprimir um gabarito</source>
        <translation>Writes nozzle.svg: the section at 1:1, to print a template</translation>
    </message>
    <message>
        <source>CSV (pontos)...</source>
        <translation>CSV (points)...</translation>
    </message>
    <message>
        <source>Grava nozzle.csv: os pontos da parede</source>
        <translation>Writes nozzle.csv: the wall points</translation>
    </message>
    <message>
        <source>Imagem renderizada (POV-Ray)...</source>
        <translation>Rendered picture (POV-Ray)...</translation>
    </message>
    <message>
        <source>Renderiza o bocal com o POV-Ray no painel de imagem</source>
        <translation>Renders the nozzle with POV-Ray into the picture pane</translation>
    </message>
    <message>
        <source>Caso OpenFOAM</source>
        <translation>OpenFOAM case</translation>
    </message>
    <message>
        <source>Pressão na câmara (bar)</source>
        <translation>Chamber pressure (bar)</translation>
    </message>
    <message>
        <source>Pressão total na entrada, em bar</source>
        <translation>Total pressure at the inlet, in bar</translation>
    </message>
    <message>
        <source>Temperatura na câmara (K)</source>
        <translation>Chamber temperature (K)</translation>
    </message>
    <message>
        <source>Temperatura total na entrada, em kelvin</source>
        <translation>Total temperature at the inlet, in kelvin</translation>
    </message>
    <message>
        <source>Gama (cp/cv)</source>
        <translation>Gamma (cp/cv)</translation>
    </message>
    <message>
        <source>Razão dos calores específicos do gás, acima de 1</source>
        <translation>Ratio of the gas&apos;s specific heats, above 1</translation>
    </message>
    <message>
        <source>Massa molar (g/mol)</source>
        <translation>Molar mass (g/mol)</translation>
    </message>
    <message>
        <source>Massa molar do gás, em g/mol (ar: 28.96)</source>
        <translation>Molar mass of the gas, in g/mol (air: 28.96)</translation>
    </message>
    <message>
        <source>Células NX (eixo)</source>
        <translation>Cells NX (axis)</translation>
    </message>
    <message>
        <source>Células ao longo do eixo</source>
        <translation>Cells along the axis</translation>
    </message>
    <message>
        <source>Células NY (eixo à parede)</source>
        <translation>Cells NY (axis to wall)</translation>
    </message>
    <message>
        <source>Células do eixo à parede</source>
        <translation>Cells from the axis to the wall</translation>
    </message>
    <message>
        <source>Processos</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Processos MPI da simulação (1: sem MPI)</source>
        <translation>MPI processes of the run (1: no MPI)</translation>
    </message>
    <message>
        <source>Pasta do caso</source>
        <translation>Case folder</translation>
    </message>
    <message>
        <source>Pasta a criar com o caso, relativa à pasta de trabalho</source>
        <translation>Folder to create with the case, relative to the working folder</translation>
    </message>
    <message>
        <source>Substituir a pasta, mesmo com resultados</source>
        <translation>Replace the folder, even with results</translation>
    </message>
    <message>
        <source>Gravar</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Simulação</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Interrompe a simulação; o caso pode ser executado de novo</source>
        <translation>Stops the run; the case can be run again</translation>
    </message>
    <message>
        <source>Iniciando %1</source>
        <translation>Starting %1</translation>
    </message>
    <message>
        <source>Iniciando</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>: t = %1 s de %2 s</source>
        <translation>: t = %1 s of %2 s</translation>
    </message>
    <message>
        <source>, faltam cerca de %1 s</source>
        <translation type="vanished">, about %1 s left</translation>
    </message>
    <message>
        <source>Concluída</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Caso OpenFOAM...</source>
        <translation>OpenFOAM case...</translation>
    </message>
    <message>
        <source>Grava uma pasta de caso OpenFOAM pronta para rodar, do perfil da pasta</source>
        <translation>Writes a ready-to-run OpenFOAM case folder from the folder&apos;s profile</translation>
    </message>
    <message>
        <source>Executar caso OpenFOAM...</source>
        <translation>Run OpenFOAM case...</translation>
    </message>
    <message>
        <source>Roda um caso gravado (rhoCentralFoam) e mostra o relatório e o número de Mach</source>
        <translation>Runs a written case (rhoCentralFoam) and shows the report and the Mach number</translation>
    </message>
    <message>
        <source>Executar caso OpenFOAM</source>
        <translation>Run OpenFOAM case</translation>
    </message>
    <message>
        <source>Executar</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Malha Gmsh</source>
        <translation>Gmsh mesh</translation>
    </message>
    <message>
        <source>Tamanho automático (1/15 do raio local)</source>
        <translation>Automatic size (1/15 of the local radius)</translation>
    </message>
    <message>
        <source>Tamanho fixo (cm)</source>
        <translation>Fixed size (cm)</translation>
    </message>
    <message>
        <source>Estruturada (células axiais × radiais)</source>
        <translation>Structured (axial × radial cells)</translation>
    </message>
    <message>
        <source>Formato</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Gerar malha</source>
        <translation>Make mesh</translation>
    </message>
    <message>
        <source>Comprimento das arestas, em cm</source>
        <translation>Edge length, in cm</translation>
    </message>
    <message>
        <source>MSH 2.2 para o gmshToFoam do OpenFOAM, MSH 4.1 ou SU2</source>
        <translation>MSH 2.2 for OpenFOAM&apos;s gmshToFoam, MSH 4.1 or SU2</translation>
    </message>
    <message>
        <source>Gerando a malha com o Gmsh...</source>
        <translation>Meshing with Gmsh...</translation>
    </message>
    <message>
        <source>Gera com o Gmsh uma malha para solvers (OpenFOAM, SU2) do perfil da pasta</source>
        <translation>Makes a solver mesh (OpenFOAM, SU2) with Gmsh from the folder&apos;s profile</translation>
    </message>
    <message>
        <source>Bocal</source>
        <translation>Nozzle</translation>
    </message>
    <message>
        <source>cônico (15 graus)</source>
        <translation>conical (15 degrees)</translation>
    </message>
    <message>
        <source>sino</source>
        <translation>bell</translation>
    </message>
    <message>
        <source>Diâmetro da garganta</source>
        <translation>Throat diameter</translation>
    </message>
    <message>
        <source>Diâmetro de saída</source>
        <translation>Exit diameter</translation>
    </message>
    <message>
        <source>Razão de áreas</source>
        <translation>Area ratio</translation>
    </message>
    <message>
        <source>%1 (epsilon digitado %2)</source>
        <translation>%1 (epsilon entered %2)</translation>
    </message>
    <message>
        <source>%1 cm (garganta à saída)</source>
        <translation>%1 cm (throat to exit)</translation>
    </message>
    <message>
        <source>Comprimento do cone</source>
        <translation>Cone length</translation>
    </message>
    <message>
        <source>%1 cm (cone de referência de 15 graus)</source>
        <translation>%1 cm (15-degree reference cone)</translation>
    </message>
    <message>
        <source>Redução de comprimento</source>
        <translation>Length saved</translation>
    </message>
    <message>
        <source>%1 cm (%2 % do cone)</source>
        <translation>%1 cm (%2 % of the cone)</translation>
    </message>
    <message>
        <source>%1 graus</source>
        <translation>%1 deg</translation>
    </message>
    <message>
        <source>Área da parede</source>
        <translation>Wall area</translation>
    </message>
    <message>
        <source>%1 cm² (contorno inteiro)</source>
        <translation>%1 cm² (whole contour)</translation>
    </message>
    <message>
        <source>Volume interno</source>
        <translation>Inner volume</translation>
    </message>
    <message>
        <source>%1 cm³ (contorno inteiro)</source>
        <translation>%1 cm³ (whole contour)</translation>
    </message>
    <message>
        <source>Gama</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Pressão na câmara p0</source>
        <translation>Chamber pressure p0</translation>
    </message>
    <message>
        <source>Pressão ambiente pa</source>
        <translation>Ambient pressure pa</translation>
    </message>
    <message>
        <source>Mach na saída</source>
        <translation>Exit Mach</translation>
    </message>
    <message>
        <source>Razão de pressões pe/p0</source>
        <translation>Pressure ratio pe/p0</translation>
    </message>
    <message>
        <source>Razão de temperaturas Te/T0</source>
        <translation>Temperature ratio Te/T0</translation>
    </message>
    <message>
        <source>Pressão na saída pe</source>
        <translation>Exit pressure pe</translation>
    </message>
    <message>
        <source>Cf no vácuo</source>
        <translation>Cf in vacuum</translation>
    </message>
    <message>
        <source>Cf em pa</source>
        <translation>Cf at pa</translation>
    </message>
    <message>
        <source>subexpandido (pe acima de pa)</source>
        <translation>under-expanded (pe above pa)</translation>
    </message>
    <message>
        <source>sobre-expandido (pe abaixo de pa)</source>
        <translation>over-expanded (pe below pa)</translation>
    </message>
    <message>
        <source>expansão ideal (pe igual a pa)</source>
        <translation>ideally expanded (pe equal to pa)</translation>
    </message>
    <message>
        <source>Expansão</source>
        <translation>Expansion</translation>
    </message>
    <message>
        <source>  pe abaixo de 0.4 pa: o escoamento provavelmente se descola da parede</source>
        <translation>  pe below 0.4 pa: the flow is likely to separate from the wall</translation>
    </message>
    <message>
        <source>Fator de divergência</source>
        <translation>Divergence factor</translation>
    </message>
    <message>
        <source>%1 ((1 + cos 15°) / 2)</source>
        <translation>%1 ((1 + cos 15°) / 2)</translation>
    </message>
    <message>
        <source>Análise 2-D recusada: %1</source>
        <translation>2-D analysis refused: %1</translation>
    </message>
    <message>
        <source>Análise 2-D (características)...</source>
        <translation>2-D analysis (characteristics)...</translation>
    </message>
    <message>
        <source>Escoamento supersônico do perfil da pasta pelo método das características, para o gás, as pressões e a rede pedidos: eficiência, empuxo, choque e separação no painel de texto, a rede e a pressão na parede no painel de figura</source>
        <translation>Supersonic flow of the folder&apos;s profile by the method of characteristics, for the gas, pressures and net asked: efficiency, thrust, shock and separation in the text pane, the net and the wall pressure in the picture pane</translation>
    </message>
    <message>
        <source>Análise 2-D</source>
        <translation>2-D analysis</translation>
    </message>
    <message>
        <source>Pressão ambiente (bar, 0 no vácuo)</source>
        <translation>Ambient pressure (bar, 0 in vacuum)</translation>
    </message>
    <message>
        <source>Características na linha inicial</source>
        <translation>Characteristics on the initial line</translation>
    </message>
    <message>
        <source>Analisar</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Resumo do projeto</source>
        <translation>Design summary</translation>
    </message>
    <message>
        <source>Dimensões, áreas e desempenho 1-D do perfil da pasta, no painel de texto</source>
        <translation>Dimensions, areas and 1-D performance of the folder&apos;s profile, in the text pane</translation>
    </message>
    <message>
        <source>Cone de referência no gráfico</source>
        <translation>Reference cone in the chart</translation>
    </message>
    <message>
        <source>Desenha o bocal cônico de 15 graus junto ao contorno</source>
        <translation>Draws the 15-degree conical nozzle beside the contour</translation>
    </message>
    <message>
        <source>Pasta: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Pasta de trabalho</source>
        <translation>Working folder</translation>
    </message>
    <message>
        <source>Escolher</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Pasta de trabalho...</source>
        <translation>Working folder...</translation>
    </message>
    <message>
        <source>Escolhe a pasta onde os arquivos são lidos e gravados</source>
        <translation>Chooses the folder where files are read and written</translation>
    </message>
    <message>
        <source>Malha Gmsh...</source>
        <translation>Gmsh mesh...</translation>
    </message>
    <message>
        <source>A versão, o que o programa faz e a licença</source>
        <translation>The version, what the program does and its licence</translation>
    </message>
    <message>
        <source>Renderização interrompida; nenhuma imagem gravada.</source>
        <translation>Render stopped; no picture written.</translation>
    </message>
    <message>
        <source>Imagem: %1
Cena POV-Ray: %2
</source>
        <translation>Picture: %1
POV-Ray scene: %2
</translation>
    </message>
    <message>
        <source>Parábola do gráfico</source>
        <translation>Chart parabola</translation>
    </message>
    <message>
        <source>Melhor parábola (características)...</source>
        <translation>Best parabola (characteristics)...</translation>
    </message>
    <message>
        <source>TOC de Rao (empuxo ótimo)...</source>
        <translation>Rao&apos;s TOC (optimum thrust)...</translation>
    </message>
    <message>
        <source>Ideal truncado (TIC)...</source>
        <translation>Truncated ideal (TIC)...</translation>
    </message>
    <message>
        <source>Ideal (saída uniforme)...</source>
        <translation>Ideal (uniform exit)...</translation>
    </message>
    <message>
        <source>Método do contorno</source>
        <translation>Contour method</translation>
    </message>
    <message>
        <source>Razão de calores específicos (gama) do gás:</source>
        <translation>Ratio of specific heats (gamma) of the gas:</translation>
    </message>
    <message>
        <source>Como o &quot;Cálculo&quot; projeta o contorno do sino</source>
        <translation>How &quot;Calculate&quot; designs the bell contour</translation>
    </message>
    <message>
        <source>Nota do projeto</source>
        <translation>Design note</translation>
    </message>
    <message>
        <source>Comparar contornos</source>
        <translation>Compare contours</translation>
    </message>
    <message>
        <source>Desenha o contorno de cada método para as entradas, com legenda, e tabela comprimento, eficiência, empuxo e área de parede</source>
        <translation>Draws each method&apos;s contour for the entries, with a legend, and tabulates length, efficiency, thrust and wall area</translation>
    </message>
    <message>
        <source>Como a simulação começa: do escoamento 1-D isentrópico de cada célula, ou de um bocal cheio de gás rarefeito</source>
        <translation>How the run starts: from the isentropic 1-D flow in each cell, or from a nozzle filled with rarefied gas</translation>
    </message>
    <message>
        <source>Escoamento 1-D isentrópico</source>
        <translation>Isentropic 1-D flow</translation>
    </message>
    <message>
        <source>Bocal cheio de gás rarefeito</source>
        <translation>Nozzle filled with rarefied gas</translation>
    </message>
    <message>
        <source>Início da simulação</source>
        <translation>Start of the run</translation>
    </message>
    <message>
        <source>, faltam no máximo cerca de %1 s</source>
        <translation>, at most about %1 s left</translation>
    </message>
    <message>
        <source>Estudo de comprimento</source>
        <translation>Length study</translation>
    </message>
    <message>
        <source>Diâmetro da garganta (cm)</source>
        <translation>Throat diameter (cm)</translation>
    </message>
    <message>
        <source>Epsilon (lista, ou A:B:PASSO)</source>
        <translation>Epsilon (list, or A:B:STEP)</translation>
    </message>
    <message>
        <source>Comprimentos (% do cone)</source>
        <translation>Lengths (% of the cone)</translation>
    </message>
    <message>
        <source>Métodos (chart, cone, ideal, tic, parabola, toc)</source>
        <translation>Methods (chart, cone, ideal, tic, parabola, toc)</translation>
    </message>
    <message>
        <source>Pressão ambiente (bar)</source>
        <translation>Ambient pressure (bar)</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Projetando e analisando...</source>
        <translation>Designing and analysing...</translation>
    </message>
    <message>
        <source>Estudo de comprimento...</source>
        <translation>Length study...</translation>
    </message>
    <message>
        <source>Projeta e analisa cada método em cada epsilon e comprimento pedidos: o gráfico de eficiência contra comprimento e a tabela no painel de texto</source>
        <translation>Designs and analyses each method at each epsilon and length asked: the chart of efficiency against length and the table in the text pane</translation>
    </message>
    <message>
        <source>%1: face axi_symm-r, %2 células</source>
        <translation>%1: face axi_symm-r, %2 cells</translation>
    </message>
</context>
</TS>
