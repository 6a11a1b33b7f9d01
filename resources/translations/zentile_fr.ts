<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Commands</name>
    <message>
        <source>Erase the cell</source>
        <translation>Effacer la case</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouvelle partie…</translation>
    </message>
    <message>
        <source>Create a new game</source>
        <translation>Lancer une nouvelle partie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Game Number...</source>
        <translation>Numéro de &amp;grille…</translation>
    </message>
    <message>
        <source>Creates a game given a seed number</source>
        <translation>Choisir la grille par numéro</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>&amp;Ouvrir une partie…</translation>
    </message>
    <message>
        <source>&amp;Save Game...</source>
        <translation>&amp;Enregistrer la partie…</translation>
    </message>
    <message>
        <source>&amp;Current Puzzle...</source>
        <translation>Grille &amp;actuelle…</translation>
    </message>
    <message>
        <source>Prints the current puzzle</source>
        <translation>Imprime la grille actuelle</translation>
    </message>
    <message>
        <source>&amp;Booklet...</source>
        <translation>&amp;Livret…</translation>
    </message>
    <message>
        <source>Prints a number of puzzles</source>
        <translation>Imprime plusieurs grilles</translation>
    </message>
    <message>
        <source>&amp;Difficulty...</source>
        <translation>&amp;Difficulté…</translation>
    </message>
    <message>
        <source>Change the difficulty level of the game</source>
        <translation>Changer la difficulté</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptions…</translation>
    </message>
    <message>
        <source>Display games options</source>
        <translation>Afficher les options du jeu</translation>
    </message>
    <message>
        <source>&amp;Best Results...</source>
        <translation>&amp;Meilleurs temps…</translation>
    </message>
    <message>
        <source>Display the best results</source>
        <translation>Afficher les meilleurs temps</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Zentile</source>
        <translation>Quitter Zentile</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Create Game</source>
        <translation>&amp;Créer une grille</translation>
    </message>
    <message>
        <source>Create your own game</source>
        <translation>Créer votre propre grille</translation>
    </message>
    <message>
        <source>&amp;Save and Play</source>
        <translation>&amp;Enregistrer et jouer</translation>
    </message>
    <message>
        <source>Play the game you created</source>
        <translation>Jouer la grille créée</translation>
    </message>
    <message>
        <source>C&amp;ancel Edit Mode</source>
        <translation>&amp;Annuler l&apos;édition</translation>
    </message>
    <message>
        <source>Cancel Edit mode</source>
        <translation>Annuler le mode édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show &amp;Hint</source>
        <translation>Afficher un &amp;indice</translation>
    </message>
    <message>
        <source>Display a hint</source>
        <translation>Afficher un indice</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Solve &amp;Puzzle</source>
        <translation>&amp;Résoudre la grille</translation>
    </message>
    <message>
        <source>Display the solution of the puzzle</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Show &amp;Misplaced</source>
        <translation>Afficher les &amp;erreurs</translation>
    </message>
    <message>
        <source>Mark wrong entries</source>
        <translation>Marquer les cases erronées</translation>
    </message>
    <message>
        <source>Highlight &amp;Selection</source>
        <translation>&amp;Surligner la sélection</translation>
    </message>
    <message>
        <source>Highlight selected number on grid</source>
        <translation>Surligner le chiffre choisi</translation>
    </message>
    <message>
        <source>Highlight number</source>
        <translation>Surligner le chiffre</translation>
    </message>
    <message>
        <source>Hide Pen&amp;cil Marks</source>
        <translation>Masquer les &amp;notes</translation>
    </message>
    <message>
        <source>Hide the pencil marks</source>
        <translation>Masquer les notes</translation>
    </message>
    <message>
        <source>Start &amp;Branch</source>
        <translation>&amp;Commencer une branche</translation>
    </message>
    <message>
        <source>Start a branch</source>
        <translation>Commencer une branche</translation>
    </message>
    <message>
        <source>Start Branch</source>
        <translation>Commencer une branche</translation>
    </message>
    <message>
        <source>&amp;Accept Branch</source>
        <translation>Accep&amp;ter la branche</translation>
    </message>
    <message>
        <source>Accept the  branch</source>
        <translation>Accepter la branche</translation>
    </message>
    <message>
        <source>Accept Branch</source>
        <translation>Accepter la branche</translation>
    </message>
    <message>
        <source>&amp;Reject Branch</source>
        <translation>Re&amp;jeter la branche</translation>
    </message>
    <message>
        <source>Reject the branch</source>
        <translation>Rejeter la branche</translation>
    </message>
    <message>
        <source>Reject Branch</source>
        <translation>Rejeter la branche</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire…</translation>
    </message>
    <message>
        <source>Go to Quantelo &amp;Website</source>
        <translation>Site &amp;web de Quantelo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Informations sur Zentile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Edit Game</source>
        <translation>É&amp;diteur</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Select the difficulty of the game:</source>
        <translation>Choisissez la difficulté du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Game Number</source>
        <translation>Numéro de grille</translation>
    </message>
    <message>
        <source>Enter the number of the game you want to play:</source>
        <translation>Saisissez le numéro de la grille à jouer&#xa0;:</translation>
    </message>
    <message>
        <source>You can enter any number. Note that the number applies to the current game level.</source>
        <translation>Vous pouvez saisir n&apos;importe quel nombre. Le numéro vaut pour le niveau de difficulté choisi.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de jeu</translation>
    </message>
    <message>
        <source>Classic Game</source>
        <translation>Jeu classique</translation>
    </message>
    <message>
        <source>Classic Sudoku Game with numbers from 1 to 9</source>
        <translation>Sudoku classique avec les chiffres de 1 à 9</translation>
    </message>
    <message>
        <source>Letter Game</source>
        <translation>Jeu de lettres</translation>
    </message>
    <message>
        <source>Game with letters. The first line of the puzzle  is always a valid word.</source>
        <translation>Jeu avec des lettres. La première ligne de la grille forme toujours un mot anglais.</translation>
    </message>
    <message>
        <source>Timed Game</source>
        <translation>Partie chronométrée</translation>
    </message>
    <message>
        <source>Display the time on the status bar</source>
        <translation>Afficher le temps dans la barre d&apos;état</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Reset Results</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the best results list?</source>
        <translation>Voulez-vous vraiment effacer la liste des meilleurs temps&#xa0;?</translation>
    </message>
    <message>
        <source>The best results list could not be reset. Please try again later.</source>
        <translation>La liste des meilleurs temps n&apos;a pas pu être effacée. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>About Zentile</source>
        <translation>À propos de Zentile</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Feedback or questions can be sent to:</source>
        <translation>Envoyez vos remarques et questions à&#xa0;:</translation>
    </message>
    <message>
        <source>Zentile Help</source>
        <translation>Aide de Zentile</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible d&apos;ouvrir l&apos;aide.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>de jeu</translation>
    </message>
    <message>
        <source>Penalty</source>
        <translation>Pénalité</translation>
    </message>
    <message>
        <source>(secs)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>Temps total</translation>
    </message>
    <message>
        <source>Best Results: %1</source>
        <translation>Meilleurs temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this language, the name of its folder of the manual (de, fr); &quot;en&quot; for none.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Very Easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Do you want to exit the current game and create your own puzzle?</source>
        <translation>Voulez-vous quitter la partie en cours et créer votre propre grille&#xa0;?</translation>
    </message>
    <message>
        <source>The puzzle does not have a solution</source>
        <translation>La grille n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>The puzzle has multiple solutions</source>
        <translation>La grille a plusieurs solutions</translation>
    </message>
    <message>
        <source>The puzzle has a unique solution. Do you want to play it?</source>
        <translation>La grille a une solution unique. Voulez-vous la jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the edit mode?</source>
        <translation>Voulez-vous vraiment quitter le mode édition&#xa0;?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un nombre entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <extracomment>%1 and %2 are the lowest and the highest game number; %L1 and %L2 write them as numbers are written in your language.</extracomment>
        <translation>Veuillez saisir un nombre entier entre %L1 et %L2.</translation>
    </message>
    <message>
        <source>Do you want to start a new game?</source>
        <translation>Voulez-vous commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>You solved the puzzle. Congratulations!</source>
        <translation>Vous avez résolu la grille. Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>There are no empty tiles on the grid.</source>
        <translation>La grille n&apos;a plus de case vide.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You can print only games generated by Zentile (no custom or loaded games)</source>
        <translation>Seules les grilles créées par Zentile peuvent être imprimées (ni grilles personnelles, ni parties chargées)</translation>
    </message>
    <message>
        <source>Do you want the solution to also be printed?</source>
        <translation>Voulez-vous imprimer aussi la solution&#xa0;?</translation>
    </message>
    <message>
        <source>Error while reading the file</source>
        <translation>Erreur lors de la lecture du fichier</translation>
    </message>
    <message>
        <source>Error while saving the file</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier</translation>
    </message>
    <message>
        <source>Do you want display the original game without the guesses?</source>
        <translation>Voulez-vous afficher la grille d&apos;origine sans vos essais&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Sudoku Puzzle</source>
        <translation>Grille de sudoku</translation>
    </message>
    <message>
        <source>Sudoku Solution</source>
        <translation>Solution du sudoku</translation>
    </message>
    <message>
        <source>Printed by Zentile</source>
        <translation>Imprimé par Zentile</translation>
    </message>
    <message>
        <source>Print Selection</source>
        <translation>Impression d&apos;un livret</translation>
    </message>
    <message>
        <source>Select level of puzzles</source>
        <translation>Niveau des grilles</translation>
    </message>
    <message>
        <source>Sudoku Type</source>
        <translation>Type de sudoku</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Number of puzzles you want to print</source>
        <translation>Nombre de grilles à imprimer</translation>
    </message>
    <message>
        <source>(Two puzzles are printed per page)</source>
        <translation>(Deux grilles par page)</translation>
    </message>
    <message>
        <source>Print solution page(s)</source>
        <translation>Imprimer les pages de solutions</translation>
    </message>
    <message>
        <source>(12 solutions are printed per page)</source>
        <translation>(12 solutions par page)</translation>
    </message>
    <message>
        <source>You need to select at least one level</source>
        <translation>Choisissez au moins un niveau</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>%1  #%2</source>
        <extracomment>%1 is the level, %2 the game number in digits alone, as the player types it to play it again.</extracomment>
        <translation>%1  n°&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impression recto verso</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Reliure sur le bord long</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Reliure sur le bord court</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indiquez des pages ou des plages séparées par des virgules. Une plage est formée de deux nombres séparés par un trait d'union. Par exemple, 3,5-7,9 imprime les pages 3, 5, 6, 7 et 9.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Creating..</source>
        <translation>Création…</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game: %1</source>
        <translation>Grille n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>PAUSED</source>
        <translation>EN PAUSE</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Select %1</source>
        <translation>Choisir %1</translation>
    </message>
    <message>
        <source>Sudoku grid</source>
        <translation>Grille de sudoku</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>clue</source>
        <translation>donnée</translation>
    </message>
    <message>
        <source>pencil mark %1</source>
        <translation>note %1</translation>
    </message>
    <message>
        <source>pencil marks %1</source>
        <translation>notes %1</translation>
    </message>
    <message>
        <source>misplaced</source>
        <translation>erronée</translation>
    </message>
    <message>
        <source>in branch</source>
        <translation>dans la branche</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>indice</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps de jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>solution %1</source>
        <translation>solution %1</translation>
    </message>
</context>
</TS>
