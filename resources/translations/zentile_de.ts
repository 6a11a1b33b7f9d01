<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Commands</name>
    <message>
        <source>Erase the cell</source>
        <translation>Das Feld leeren</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>Create a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Game Number...</source>
        <translation>&amp;Spielnummer…</translation>
    </message>
    <message>
        <source>Creates a game given a seed number</source>
        <translation>Spielnummer eingeben</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>Spiel &amp;laden…</translation>
    </message>
    <message>
        <source>&amp;Save Game...</source>
        <translation>Spiel s&amp;peichern…</translation>
    </message>
    <message>
        <source>&amp;Current Puzzle...</source>
        <translation>&amp;Aktuelles Rätsel…</translation>
    </message>
    <message>
        <source>Prints the current puzzle</source>
        <translation>Aktuelles Rätsel drucken</translation>
    </message>
    <message>
        <source>&amp;Booklet...</source>
        <translation>&amp;Rätselheft…</translation>
    </message>
    <message>
        <source>Prints a number of puzzles</source>
        <translation>Mehrere Rätsel drucken</translation>
    </message>
    <message>
        <source>&amp;Difficulty...</source>
        <translation>Sch&amp;wierigkeitsgrad…</translation>
    </message>
    <message>
        <source>Change the difficulty level of the game</source>
        <translation>Die Schwierigkeit ändern</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Display games options</source>
        <translation>Die Optionen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Best Results...</source>
        <translation>&amp;Bestenliste…</translation>
    </message>
    <message>
        <source>Display the best results</source>
        <translation>Die Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Quit Zentile</source>
        <translation>Zentile beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>Rätsel &amp;erstellen</translation>
    </message>
    <message>
        <source>Create your own game</source>
        <translation>Eigenes Rätsel erstellen</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>Speichern und &amp;spielen</translation>
    </message>
    <message>
        <source>Play the game you created</source>
        <translation>Eigenes Rätsel spielen</translation>
    </message>
    <message>
        <source>C&amp;ancel Edit Mode</source>
        <translation>Bearbeitung a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Cancel Edit mode</source>
        <translation>Bearbeitung abbrechen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Schritt zurücknehmen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Show &amp;Hint</source>
        <translation>&amp;Hinweis zeigen</translation>
    </message>
    <message>
        <source>Display a hint</source>
        <translation>Einen Hinweis anzeigen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Solve &amp;Puzzle</source>
        <translation>Rätsel &amp;lösen</translation>
    </message>
    <message>
        <source>Display the solution of the puzzle</source>
        <translation>Die Lösung anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Misplaced</source>
        <translation>&amp;Fehler zeigen</translation>
    </message>
    <message>
        <source>Mark wrong entries</source>
        <translation>Fehleinträge markieren</translation>
    </message>
    <message>
        <source>Highlight &amp;Selection</source>
        <translation>&amp;Auswahl hervorheben</translation>
    </message>
    <message>
        <source>Highlight selected number on grid</source>
        <translation>Die Ziffer hervorheben</translation>
    </message>
    <message>
        <source>Highlight number</source>
        <translation>Ziffer hervorheben</translation>
    </message>
    <message>
        <source>Hide Pen&amp;cil Marks</source>
        <translation>&amp;Notizen ausblenden</translation>
    </message>
    <message>
        <source>Hide the pencil marks</source>
        <translation>Die Notizen ausblenden</translation>
    </message>
    <message>
        <source>Start &amp;Branch</source>
        <translation>&amp;Zweig beginnen</translation>
    </message>
    <message>
        <source>Start a branch</source>
        <translation>Einen Zweig beginnen</translation>
    </message>
    <message>
        <source>Start Branch</source>
        <translation>Zweig beginnen</translation>
    </message>
    <message>
        <source>&amp;Accept Branch</source>
        <translation>Zweig &amp;übernehmen</translation>
    </message>
    <message>
        <source>Accept the  branch</source>
        <translation>Den Zweig übernehmen</translation>
    </message>
    <message>
        <source>Accept Branch</source>
        <translation>Zweig übernehmen</translation>
    </message>
    <message>
        <source>&amp;Reject Branch</source>
        <translation>Zweig &amp;verwerfen</translation>
    </message>
    <message>
        <source>Reject the branch</source>
        <translation>Den Zweig verwerfen</translation>
    </message>
    <message>
        <source>Reject Branch</source>
        <translation>Zweig verwerfen</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt…</translation>
    </message>
    <message>
        <source>Go to Quantelo &amp;Website</source>
        <translation>&amp;Website von Quantelo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminfo anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>&amp;Eigenes Rätsel</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Select the difficulty of the game:</source>
        <translation>Wählen Sie den Schwierigkeitsgrad:</translation>
    </message>
    <message>
        <source>Game Number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>Enter the number of the game you want to play:</source>
        <translation>Geben Sie die Nummer des gewünschten Spiels ein:</translation>
    </message>
    <message>
        <source>You can enter any number. Note that the number applies to the current game level.</source>
        <translation>Sie können jede Zahl eingeben. Die Nummer gilt für den eingestellten Schwierigkeitsgrad.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Classic Game</source>
        <translation>Klassisches Spiel</translation>
    </message>
    <message>
        <source>Classic Sudoku Game with numbers from 1 to 9</source>
        <translation>Klassisches Sudoku mit den Ziffern 1 bis 9</translation>
    </message>
    <message>
        <source>Letter Game</source>
        <translation>Buchstabenspiel</translation>
    </message>
    <message>
        <source>Game with letters. The first line of the puzzle  is always a valid word.</source>
        <translation>Spiel mit Buchstaben. Die erste Zeile des Rätsels ergibt immer ein englisches Wort.</translation>
    </message>
    <message>
        <source>Timed Game</source>
        <translation>Mit Zeitmessung</translation>
    </message>
    <message>
        <source>Display the time on the status bar</source>
        <translation>Die Spielzeit in der Statusleiste anzeigen</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Reset Results</source>
        <translation>Liste zurücksetzen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the best results list?</source>
        <translation>Möchten Sie die Bestenliste wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>The best results list could not be reset. Please try again later.</source>
        <translation>Die Bestenliste konnte nicht zurückgesetzt werden. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>About Zentile</source>
        <translation>Über Zentile</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Feedback or questions can be sent to:</source>
        <translation>Anregungen und Fragen senden Sie bitte an:</translation>
    </message>
    <message>
        <source>Zentile Help</source>
        <translation>Zentile-Hilfe</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Reine</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Strafzeit</translation>
    </message>
    <message>
        <source>(secs)</source>
        <translation>(Sek.)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Best Results: %1</source>
        <translation>Bestenliste: %1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this language, the name of its folder of the manual (de, fr); &quot;en&quot; for none.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Very Easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigenes Rätsel</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to exit the current game and create your own puzzle?</source>
        <translation>Möchten Sie das laufende Spiel beenden und ein eigenes Rätsel erstellen?</translation>
    </message>
    <message>
        <source>The puzzle does not have a solution</source>
        <translation>Das Rätsel hat keine Lösung</translation>
    </message>
    <message>
        <source>The puzzle has multiple solutions</source>
        <translation>Das Rätsel hat mehrere Lösungen</translation>
    </message>
    <message>
        <source>The puzzle has a unique solution. Do you want to play it?</source>
        <translation>Das Rätsel hat genau eine Lösung. Möchten Sie es spielen?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the edit mode?</source>
        <translation>Möchten Sie die Bearbeitung wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>%1 and %2 are the lowest and the highest game number; %L1 and %L2 write them as numbers are written in your language.</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %L1 und %L2 ein.</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Möchten Sie ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>You solved the puzzle. Congratulations!</source>
        <translation>Sie haben das Rätsel gelöst. Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>There are no empty tiles on the grid.</source>
        <translation>Im Raster ist kein Feld mehr leer.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You can print only games generated by Zentile (no custom or loaded games)</source>
        <translation>Drucken lassen sich nur Rätsel, die Zentile erzeugt hat (keine eigenen oder geladenen Rätsel)</translation>
    </message>
    <message>
        <source>Do you want the solution to also be printed?</source>
        <translation>Soll die Lösung mitgedruckt werden?</translation>
    </message>
    <message>
        <source>Error while reading the file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Error while saving the file</source>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message>
        <source>Do you want display the original game without the guesses?</source>
        <translation>Möchten Sie das ursprüngliche Rätsel ohne Ihre Eintragungen anzeigen?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Sudoku Puzzle</source>
        <translation>Sudoku-Rätsel</translation>
    </message>
    <message>
        <source>Sudoku Solution</source>
        <translation>Sudoku-Lösung</translation>
    </message>
    <message>
        <source>Printed by Zentile</source>
        <translation>Gedruckt mit Zentile</translation>
    </message>
    <message>
        <source>Print Selection</source>
        <translation>Rätselheft drucken</translation>
    </message>
    <message>
        <source>Select level of puzzles</source>
        <translation>Schwierigkeitsgrad der Rätsel</translation>
    </message>
    <message>
        <source>Sudoku Type</source>
        <translation>Sudoku-Art</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Number of puzzles you want to print</source>
        <translation>Anzahl der Rätsel, die gedruckt werden sollen</translation>
    </message>
    <message>
        <source>(Two puzzles are printed per page)</source>
        <translation>(Zwei Rätsel je Seite)</translation>
    </message>
    <message>
        <source>Print solution page(s)</source>
        <translation>Lösungsseite(n) drucken</translation>
    </message>
    <message>
        <source>(12 solutions are printed per page)</source>
        <translation>(12 Lösungen je Seite)</translation>
    </message>
    <message>
        <source>You need to select at least one level</source>
        <translation>Wählen Sie mindestens einen Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>%1  #%2</source>
        <extracomment>%1 is the level, %2 the game number in digits alone, as the player types it to play it again.</extracomment>
        <translation>%1  Nr. %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Beidseitiger Druck</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Bindung an der langen Seite</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Bindung an der kurzen Seite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Seiten oder Bereiche durch Kommas getrennt angeben. Ein Bereich sind zwei Zahlen mit einem Bindestrich dazwischen. Zum Beispiel druckt 3,5-7,9 die Seiten 3, 5, 6, 7 und 9.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Creating..</source>
        <translation>Wird erstellt…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>Game: %1</source>
        <translation>Spiel Nr. %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>Sudoku grid</source>
        <translation>Sudoku-Raster</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>clue</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>pencil mark %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message>
        <source>pencil marks %1</source>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <source>misplaced</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>in branch</source>
        <translation>im Zweig</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>solution %1</source>
        <translation>Lösung %1</translation>
    </message>
</context>
</TS>
