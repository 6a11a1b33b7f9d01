<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Commands</name>
    <message>
        <source>Erase the cell</source>
        <translation>Svuota la casella</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuova partita…</translation>
    </message>
    <message>
        <source>Create a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Game Number...</source>
        <translation>Numero di &amp;partita…</translation>
    </message>
    <message>
        <source>Creates a game given a seed number</source>
        <translation>Crea partita dal numero</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>&amp;Apri partita…</translation>
    </message>
    <message>
        <source>&amp;Save Game...</source>
        <translation>&amp;Salva partita…</translation>
    </message>
    <message>
        <source>&amp;Current Puzzle...</source>
        <translation>Schema &amp;attuale…</translation>
    </message>
    <message>
        <source>Prints the current puzzle</source>
        <translation>Stampa lo schema attuale</translation>
    </message>
    <message>
        <source>&amp;Booklet...</source>
        <translation>&amp;Libretto…</translation>
    </message>
    <message>
        <source>Prints a number of puzzles</source>
        <translation>Stampa più schemi</translation>
    </message>
    <message>
        <source>&amp;Difficulty...</source>
        <translation>&amp;Difficoltà…</translation>
    </message>
    <message>
        <source>Change the difficulty level of the game</source>
        <translation>Cambia la difficoltà</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>Display games options</source>
        <translation>Mostra le opzioni</translation>
    </message>
    <message>
        <source>&amp;Best Results...</source>
        <translation>&amp;Migliori tempi…</translation>
    </message>
    <message>
        <source>Display the best results</source>
        <translation>Mostra i migliori tempi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit Zentile</source>
        <translation>Esce da Zentile</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Crea schema</translation>
    </message>
    <message>
        <source>Create your own game</source>
        <translation>Crea schema personale</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>&amp;Salva e gioca</translation>
    </message>
    <message>
        <source>Play the game you created</source>
        <translation>Gioca lo schema creato</translation>
    </message>
    <message>
        <source>C&amp;ancel Edit Mode</source>
        <translation>&amp;Abbandona la modifica</translation>
    </message>
    <message>
        <source>Cancel Edit mode</source>
        <translation>Abbandona la modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show &amp;Hint</source>
        <translation>Mostra un su&amp;ggerimento</translation>
    </message>
    <message>
        <source>Display a hint</source>
        <translation>Mostra un suggerimento</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Solve &amp;Puzzle</source>
        <translation>&amp;Risolvi lo schema</translation>
    </message>
    <message>
        <source>Display the solution of the puzzle</source>
        <translation>Mostra la soluzione</translation>
    </message>
    <message>
        <source>Show &amp;Misplaced</source>
        <translation>Mostra gli &amp;errori</translation>
    </message>
    <message>
        <source>Mark wrong entries</source>
        <translation>Segna le caselle sbagliate</translation>
    </message>
    <message>
        <source>Highlight &amp;Selection</source>
        <translation>E&amp;videnzia la selezione</translation>
    </message>
    <message>
        <source>Highlight selected number on grid</source>
        <translation>Evidenzia la cifra scelta</translation>
    </message>
    <message>
        <source>Highlight number</source>
        <translation>Evidenzia la cifra</translation>
    </message>
    <message>
        <source>Hide Pen&amp;cil Marks</source>
        <translation>Nascondi le &amp;note</translation>
    </message>
    <message>
        <source>Hide the pencil marks</source>
        <translation>Nasconde le note</translation>
    </message>
    <message>
        <source>Start &amp;Branch</source>
        <translation>&amp;Inizia un ramo</translation>
    </message>
    <message>
        <source>Start a branch</source>
        <translation>Inizia un ramo</translation>
    </message>
    <message>
        <source>Start Branch</source>
        <translation>Inizia un ramo</translation>
    </message>
    <message>
        <source>&amp;Accept Branch</source>
        <translation>A&amp;ccetta il ramo</translation>
    </message>
    <message>
        <source>Accept the  branch</source>
        <translation>Accetta il ramo</translation>
    </message>
    <message>
        <source>Accept Branch</source>
        <translation>Accetta il ramo</translation>
    </message>
    <message>
        <source>&amp;Reject Branch</source>
        <translation>&amp;Scarta il ramo</translation>
    </message>
    <message>
        <source>Reject the branch</source>
        <translation>Scarta il ramo</translation>
    </message>
    <message>
        <source>Reject Branch</source>
        <translation>Scarta il ramo</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommario…</translation>
    </message>
    <message>
        <source>Go to Quantelo &amp;Website</source>
        <translation>Sito &amp;web di Quantelo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Versione e copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;zioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Select the difficulty of the game:</source>
        <translation>Scegliere la difficoltà del gioco:</translation>
    </message>
    <message>
        <source>Game Number</source>
        <translation>Numero di partita</translation>
    </message>
    <message>
        <source>Enter the number of the game you want to play:</source>
        <translation>Inserire il numero della partita da giocare:</translation>
    </message>
    <message>
        <source>You can enter any number. Note that the number applies to the current game level.</source>
        <translation>È possibile inserire qualsiasi numero. Il numero vale per il livello di difficoltà scelto.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo di gioco</translation>
    </message>
    <message>
        <source>Classic Game</source>
        <translation>Gioco classico</translation>
    </message>
    <message>
        <source>Classic Sudoku Game with numbers from 1 to 9</source>
        <translation>Sudoku classico con le cifre da&#xa0;1&#xa0;a&#xa0;9</translation>
    </message>
    <message>
        <source>Letter Game</source>
        <translation>Gioco di lettere</translation>
    </message>
    <message>
        <source>Game with letters. The first line of the puzzle  is always a valid word.</source>
        <translation>Gioco con le lettere. La prima riga dello schema forma sempre una parola inglese.</translation>
    </message>
    <message>
        <source>Timed Game</source>
        <translation>Partita a tempo</translation>
    </message>
    <message>
        <source>Display the time on the status bar</source>
        <translation>Mostra il tempo nella barra di stato</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Migliori tempi</translation>
    </message>
    <message>
        <source>Reset Results</source>
        <translation>Azzera l&apos;elenco</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the best results list?</source>
        <translation>Azzerare davvero l&apos;elenco dei migliori tempi?</translation>
    </message>
    <message>
        <source>The best results list could not be reset. Please try again later.</source>
        <translation>Impossibile azzerare l&apos;elenco dei migliori tempi. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>About Zentile</source>
        <translation>Informazioni su Zentile</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Feedback or questions can be sent to:</source>
        <translation>Commenti e domande possono essere inviati a:</translation>
    </message>
    <message>
        <source>Zentile Help</source>
        <translation>Guida di Zentile</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossibile aprire la guida.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>di gioco</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Penalità</translation>
    </message>
    <message>
        <source>(secs)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Tempo totale</translation>
    </message>
    <message>
        <source>Best Results: %1</source>
        <translation>Migliori tempi: %1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this language, the name of its folder of the manual (de, fr); &quot;en&quot; for none.</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Very Easy</source>
        <translation>Molto facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Molto difficile</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to exit the current game and create your own puzzle?</source>
        <translation>Abbandonare la partita in corso e creare uno schema personale?</translation>
    </message>
    <message>
        <source>The puzzle does not have a solution</source>
        <translation>Lo schema non ha soluzione</translation>
    </message>
    <message>
        <source>The puzzle has multiple solutions</source>
        <translation>Lo schema ha più soluzioni</translation>
    </message>
    <message>
        <source>The puzzle has a unique solution. Do you want to play it?</source>
        <translation>Lo schema ha un&apos;unica soluzione. Giocarlo ora?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the edit mode?</source>
        <translation>Abbandonare davvero la modalità di modifica?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Inserire un numero intero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>%1 and %2 are the lowest and the highest game number; %L1 and %L2 write them as numbers are written in your language.</extracomment>
        <translation>Inserire un numero intero compreso tra %L1 e %L2.</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>You solved the puzzle. Congratulations!</source>
        <translation>Schema risolto. Complimenti!</translation>
    </message>
    <message>
        <source>There are no empty tiles on the grid.</source>
        <translation>Nella griglia non ci sono più caselle vuote.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>You can print only games generated by Zentile (no custom or loaded games)</source>
        <translation>Si possono stampare solo schemi generati da Zentile (non schemi personali o partite caricate)</translation>
    </message>
    <message>
        <source>Do you want the solution to also be printed?</source>
        <translation>Stampare anche la soluzione?</translation>
    </message>
    <message>
        <source>Error while reading the file</source>
        <translation>Errore durante la lettura del file</translation>
    </message>
    <message>
        <source>Error while saving the file</source>
        <translation>Errore durante il salvataggio del file</translation>
    </message>
    <message>
        <source>Do you want display the original game without the guesses?</source>
        <translation>Mostrare lo schema originale senza i tentativi?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Sudoku Puzzle</source>
        <translation>Schema di sudoku</translation>
    </message>
    <message>
        <source>Sudoku Solution</source>
        <translation>Soluzione del sudoku</translation>
    </message>
    <message>
        <source>Printed by Zentile</source>
        <translation>Stampato con Zentile</translation>
    </message>
    <message>
        <source>Print Selection</source>
        <translation>Stampa di un libretto</translation>
    </message>
    <message>
        <source>Select level of puzzles</source>
        <translation>Livello degli schemi</translation>
    </message>
    <message>
        <source>Sudoku Type</source>
        <translation>Tipo di sudoku</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Number of puzzles you want to print</source>
        <translation>Numero di schemi da stampare</translation>
    </message>
    <message>
        <source>(Two puzzles are printed per page)</source>
        <translation>(Due schemi per pagina)</translation>
    </message>
    <message>
        <source>Print solution page(s)</source>
        <translation>Stampa le pagine delle soluzioni</translation>
    </message>
    <message>
        <source>(12 solutions are printed per page)</source>
        <translation>(12 soluzioni per pagina)</translation>
    </message>
    <message>
        <source>You need to select at least one level</source>
        <translation>Scegliere almeno un livello</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>%1  #%2</source>
        <extracomment>%1 is the level, %2 the game number in digits alone, as the player types it to play it again.</extracomment>
        <translation>%1  n. %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Stampa fronte/retro</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Rilegatura sul lato lungo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Rilegatura sul lato corto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indicare pagine o intervalli separati da virgole. Un intervallo è formato da due numeri separati da un trattino. Per esempio, 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Creating..</source>
        <translation>Creazione…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Livello: %1</translation>
    </message>
    <message>
        <source>Game: %1</source>
        <translation>Partita n. %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>IN PAUSA</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo di gioco</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Scegli %1</translation>
    </message>
    <message>
        <source>Sudoku grid</source>
        <translation>Griglia del sudoku</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>clue</source>
        <translation>data</translation>
    </message>
    <message>
        <source>pencil mark %1</source>
        <translation>nota %1</translation>
    </message>
    <message>
        <source>pencil marks %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>misplaced</source>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>in branch</source>
        <translation>nel ramo</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>suggerimento</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo di gioco: %1</translation>
    </message>
    <message>
        <source>solution %1</source>
        <translation>soluzione %1</translation>
    </message>
</context>
</TS>
