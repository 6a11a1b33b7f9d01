<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Commands</name>
    <message>
        <source>Erase the cell</source>
        <translation>Vaciar la casilla</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nueva partida…</translation>
    </message>
    <message>
        <source>Create a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Game Number...</source>
        <translation>Número de &amp;partida…</translation>
    </message>
    <message>
        <source>Creates a game given a seed number</source>
        <translation>Elegir la partida por número</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>&amp;Abrir partida…</translation>
    </message>
    <message>
        <source>&amp;Save Game...</source>
        <translation>&amp;Guardar partida…</translation>
    </message>
    <message>
        <source>&amp;Current Puzzle...</source>
        <translation>Sudoku &amp;actual…</translation>
    </message>
    <message>
        <source>Prints the current puzzle</source>
        <translation>Imprimir el sudoku actual</translation>
    </message>
    <message>
        <source>&amp;Booklet...</source>
        <translation>&amp;Cuadernillo…</translation>
    </message>
    <message>
        <source>Prints a number of puzzles</source>
        <translation>Imprimir varios sudokus</translation>
    </message>
    <message>
        <source>&amp;Difficulty...</source>
        <translation>&amp;Dificultad…</translation>
    </message>
    <message>
        <source>Change the difficulty level of the game</source>
        <translation>Cambiar la dificultad</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>Display games options</source>
        <translation>Mostrar las opciones</translation>
    </message>
    <message>
        <source>&amp;Best Results...</source>
        <translation>&amp;Mejores tiempos…</translation>
    </message>
    <message>
        <source>Display the best results</source>
        <translation>Mostrar los mejores tiempos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit Zentile</source>
        <translation>Salir de Zentile</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Crear sudoku</translation>
    </message>
    <message>
        <source>Create your own game</source>
        <translation>Crear un sudoku propio</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>&amp;Guardar y jugar</translation>
    </message>
    <message>
        <source>Play the game you created</source>
        <translation>Jugar el sudoku creado</translation>
    </message>
    <message>
        <source>C&amp;ancel Edit Mode</source>
        <translation>Cancelar la &amp;edición</translation>
    </message>
    <message>
        <source>Cancel Edit mode</source>
        <translation>Cancelar la edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Show &amp;Hint</source>
        <translation>Mostrar una &amp;pista</translation>
    </message>
    <message>
        <source>Display a hint</source>
        <translation>Mostrar una pista</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Solve &amp;Puzzle</source>
        <translation>&amp;Resolver el sudoku</translation>
    </message>
    <message>
        <source>Display the solution of the puzzle</source>
        <translation>Mostrar la solución</translation>
    </message>
    <message>
        <source>Show &amp;Misplaced</source>
        <translation>Mostrar &amp;errores</translation>
    </message>
    <message>
        <source>Mark wrong entries</source>
        <translation>Marcar las casillas erróneas</translation>
    </message>
    <message>
        <source>Highlight &amp;Selection</source>
        <translation>Resaltar la &amp;selección</translation>
    </message>
    <message>
        <source>Highlight selected number on grid</source>
        <translation>Resaltar la cifra elegida</translation>
    </message>
    <message>
        <source>Highlight number</source>
        <translation>Resaltar la cifra</translation>
    </message>
    <message>
        <source>Hide Pen&amp;cil Marks</source>
        <translation>&amp;Ocultar las notas</translation>
    </message>
    <message>
        <source>Hide the pencil marks</source>
        <translation>Ocultar las notas</translation>
    </message>
    <message>
        <source>Start &amp;Branch</source>
        <translation>&amp;Iniciar una rama</translation>
    </message>
    <message>
        <source>Start a branch</source>
        <translation>Iniciar una rama</translation>
    </message>
    <message>
        <source>Start Branch</source>
        <translation>Iniciar una rama</translation>
    </message>
    <message>
        <source>&amp;Accept Branch</source>
        <translation>&amp;Aceptar la rama</translation>
    </message>
    <message>
        <source>Accept the  branch</source>
        <translation>Aceptar la rama</translation>
    </message>
    <message>
        <source>Accept Branch</source>
        <translation>Aceptar la rama</translation>
    </message>
    <message>
        <source>&amp;Reject Branch</source>
        <translation>Des&amp;cartar la rama</translation>
    </message>
    <message>
        <source>Reject the branch</source>
        <translation>Descartar la rama</translation>
    </message>
    <message>
        <source>Reject Branch</source>
        <translation>Descartar la rama</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido…</translation>
    </message>
    <message>
        <source>Go to Quantelo &amp;Website</source>
        <translation>Sitio &amp;web de Quantelo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar versión y copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Select the difficulty of the game:</source>
        <translation>Elija la dificultad del juego:</translation>
    </message>
    <message>
        <source>Game Number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Enter the number of the game you want to play:</source>
        <translation>Introduzca el número de la partida que quiere jugar:</translation>
    </message>
    <message>
        <source>You can enter any number. Note that the number applies to the current game level.</source>
        <translation>Puede introducir cualquier número. El número vale para el nivel de dificultad elegido.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo de juego</translation>
    </message>
    <message>
        <source>Classic Game</source>
        <translation>Juego clásico</translation>
    </message>
    <message>
        <source>Classic Sudoku Game with numbers from 1 to 9</source>
        <translation>Sudoku clásico con las cifras del&#xa0;1&#xa0;al&#xa0;9</translation>
    </message>
    <message>
        <source>Letter Game</source>
        <translation>Juego de letras</translation>
    </message>
    <message>
        <source>Game with letters. The first line of the puzzle  is always a valid word.</source>
        <translation>Juego con letras. La primera fila del sudoku siempre forma una palabra en inglés.</translation>
    </message>
    <message>
        <source>Timed Game</source>
        <translation>Partida cronometrada</translation>
    </message>
    <message>
        <source>Display the time on the status bar</source>
        <translation>Mostrar el tiempo en la barra de estado</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Reset Results</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the best results list?</source>
        <translation>¿Está seguro de que quiere vaciar la lista de mejores tiempos?</translation>
    </message>
    <message>
        <source>The best results list could not be reset. Please try again later.</source>
        <translation>No se ha podido vaciar la lista de mejores tiempos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>About Zentile</source>
        <translation>Acerca de Zentile</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Feedback or questions can be sent to:</source>
        <translation>Envíe sus comentarios y preguntas a:</translation>
    </message>
    <message>
        <source>Zentile Help</source>
        <translation>Ayuda de Zentile</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>No se ha podido abrir la ayuda.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>de juego</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Penalización</translation>
    </message>
    <message>
        <source>(secs)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Best Results: %1</source>
        <translation>Mejores tiempos: %1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this language, the name of its folder of the manual (de, fr); &quot;en&quot; for none.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Very Easy</source>
        <translation>Muy fácil</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to exit the current game and create your own puzzle?</source>
        <translation>¿Quiere abandonar la partida actual y crear su propio sudoku?</translation>
    </message>
    <message>
        <source>The puzzle does not have a solution</source>
        <translation>El sudoku no tiene solución</translation>
    </message>
    <message>
        <source>The puzzle has multiple solutions</source>
        <translation>El sudoku tiene varias soluciones</translation>
    </message>
    <message>
        <source>The puzzle has a unique solution. Do you want to play it?</source>
        <translation>El sudoku tiene una única solución. ¿Quiere jugarlo?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the edit mode?</source>
        <translation>¿Está seguro de que quiere salir del modo de edición?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Introduzca un número entero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>%1 and %2 are the lowest and the highest game number; %L1 and %L2 write them as numbers are written in your language.</extracomment>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>¿Quiere empezar una partida nueva?</translation>
    </message>
    <message>
        <source>You solved the puzzle. Congratulations!</source>
        <translation>Ha resuelto el sudoku. ¡Enhorabuena!</translation>
    </message>
    <message>
        <source>There are no empty tiles on the grid.</source>
        <translation>No quedan casillas vacías en la cuadrícula.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You can print only games generated by Zentile (no custom or loaded games)</source>
        <translation>Solo se pueden imprimir sudokus generados por Zentile (ni personalizados ni cargados de un archivo)</translation>
    </message>
    <message>
        <source>Do you want the solution to also be printed?</source>
        <translation>¿Quiere imprimir también la solución?</translation>
    </message>
    <message>
        <source>Error while reading the file</source>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>Error while saving the file</source>
        <translation>Error al guardar el archivo</translation>
    </message>
    <message>
        <source>Do you want display the original game without the guesses?</source>
        <translation>¿Quiere mostrar el sudoku original sin sus intentos?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Sudoku Puzzle</source>
        <translation>Sudoku</translation>
    </message>
    <message>
        <source>Sudoku Solution</source>
        <translation>Solución del sudoku</translation>
    </message>
    <message>
        <source>Printed by Zentile</source>
        <translation>Impreso con Zentile</translation>
    </message>
    <message>
        <source>Print Selection</source>
        <translation>Imprimir un cuadernillo</translation>
    </message>
    <message>
        <source>Select level of puzzles</source>
        <translation>Nivel de los sudokus</translation>
    </message>
    <message>
        <source>Sudoku Type</source>
        <translation>Tipo de sudoku</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Number of puzzles you want to print</source>
        <translation>Número de sudokus que imprimir</translation>
    </message>
    <message>
        <source>(Two puzzles are printed per page)</source>
        <translation>(Dos sudokus por página)</translation>
    </message>
    <message>
        <source>Print solution page(s)</source>
        <translation>Imprimir las páginas de soluciones</translation>
    </message>
    <message>
        <source>(12 solutions are printed per page)</source>
        <translation>(12 soluciones por página)</translation>
    </message>
    <message>
        <source>You need to select at least one level</source>
        <translation>Elija al menos un nivel</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>%1  #%2</source>
        <extracomment>%1 is the level, %2 the game number in digits alone, as the player types it to play it again.</extracomment>
        <translation>%1  n.º&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encuadernación por el borde largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encuadernación por el borde corto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indique páginas o intervalos separados por comas. Un intervalo son dos números separados por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Creating..</source>
        <translation>Creando…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Game: %1</source>
        <translation>Partida n.º %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>EN PAUSA</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Elegir %1</translation>
    </message>
    <message>
        <source>Sudoku grid</source>
        <translation>Cuadrícula de sudoku</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>clue</source>
        <translation>dada</translation>
    </message>
    <message>
        <source>pencil mark %1</source>
        <translation>nota %1</translation>
    </message>
    <message>
        <source>pencil marks %1</source>
        <translation>notas %1</translation>
    </message>
    <message>
        <source>misplaced</source>
        <translation>errónea</translation>
    </message>
    <message>
        <source>in branch</source>
        <translation>en la rama</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>pista</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo de juego: %1</translation>
    </message>
    <message>
        <source>solution %1</source>
        <translation>solución %1</translation>
    </message>
</context>
</TS>
