<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutLetter</name>
    <message>
        <location filename="../src/about_web/ui/frmAboutBox.cpp" line="+41"/>
        <source>Dear movie collector,</source>
        <translation>Liebe Filmsammlerin, lieber Filmsammler,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you very much for using this program! I hope it keeps your</source>
        <translation>vielen Dank, dass Sie dieses Programm benutzen! Ich hoffe, es hält Ihre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>collection of movies in good order, just as it does mine.</source>
        <translation>Filmsammlung so gut in Ordnung, wie es das mit meiner tut.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The first version was a school exercise: a small list of names in a</source>
        <translation>Die erste Version war eine Schulübung: eine kleine Namensliste in einem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>window, written to learn how records and files work. Friends began</source>
        <translation>Fenster, geschrieben, um Datensätze und Dateien zu verstehen. Freunde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>to use it for their own tapes and discs and asked for searching,</source>
        <translation>nutzten sie bald für ihre Kassetten und Discs und wünschten sich Suche,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>filters, printing and measuring movie files, and bit by bit the</source>
        <translation>Filter, Drucken und das Vermessen von Filmdateien, und nach und nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exercise grew into the catalogue you are using now.</source>
        <translation>wurde aus der Übung der Katalog, den Sie jetzt benutzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New versions are published on the Reel-Case download site at</source>
        <translation>Neue Versionen erscheinen auf der Reel-Case-Downloadseite unter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. You find them on this page:</source>
        <translation>%1. Sie finden sie auf dieser Seite:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Greetings go to:</source>
        <translation>Grüße gehen an:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Marlies and the Tuesday night film club</source>
        <translation>  - Marlies und den Filmclub am Dienstagabend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Big Tom, for the loan of his old projector</source>
        <translation>  - Big Tom, der mir seinen alten Projektor lieh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  - everyone at the Harbour Street video shop</source>
        <translation>  - alle in der Videothek in der Harbour Street</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Pim, who tried out every single version</source>
        <translation>  - Pim, der jede einzelne Version ausprobiert hat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - my mother, who still prefers her tapes</source>
        <translation>  - meine Mutter, der ihre Kassetten noch immer lieber sind</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Many thanks to the makers of all the freeware tools for creating and</source>
        <translation>Vielen Dank an die Macher all der freien Werkzeuge zum Erstellen und</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting movies: without them there would be far fewer movies to</source>
        <translation>Umwandeln von Filmen: Ohne sie gäbe es weit weniger Filme, die man in</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keep in Reel-Case Database.</source>
        <translation>Reel-Case Database aufbewahren könnte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions, ideas or bugs? Please send me your feedback by e-mail.</source>
        <translation>Fragen, Ideen oder Fehler? Schreiben Sie mir bitte eine E-Mail.</translation>
    </message>
</context>
<context>
    <name>BackgroundWork</name>
    <message>
        <location filename="../src/platform/ui/QtBackgroundWork.cpp" line="+75"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>CheckApplying</name>
    <message>
        <location filename="../src/disk_check/CheckApplying.cpp" line="+18"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Apply and Delete 1 movie</source>
        <translation>Übernehmen und 1 Film löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply and Delete %1 movies</source>
        <translation>Übernehmen und %1 Filme löschen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check Against Folders</source>
        <translation>Mit Ordnern abgleichen</translation>
    </message>
</context>
<context>
    <name>CheckModels</name>
    <message>
        <location filename="../src/disk_check/ui/CheckModels.cpp" line="+16"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length (min)</source>
        <translation>Länge (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size (MB)</source>
        <translation>Größe (MB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
</context>
<context>
    <name>DiskCheckCommand</name>
    <message>
        <location filename="../src/disk_check/CheckCommand.cpp" line="+25"/>
        <source>The folder &quot;%1&quot; cannot be checked: %2.
Nothing was checked.</source>
        <translation>Der Ordner „%1“ kann nicht geprüft werden: %2.
Es wurde nichts geprüft.</translation>
    </message>
</context>
<context>
    <name>EditingCommands</name>
    <message>
        <location filename="../src/editing/EditingCommands.cpp" line="+33"/>
        <source>The database is full: it cannot hold more than %1 Movies!</source>
        <translation>Die Datenbank ist voll: Sie kann höchstens %1 Filme aufnehmen!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>That Movie Already Exist!</source>
        <translation>Diesen Film gibt es schon!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &quot;%1&quot;</source>
        <translation>„%1“ hinzufügen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select a movie before you try to modify!</source>
        <translation>Wählen Sie zuerst den Film aus, den Sie bearbeiten möchten!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modify &quot;%1&quot;</source>
        <translation>„%1“ bearbeiten</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select a movie before you try to delete!</source>
        <translation>Wählen Sie zuerst den Film aus, den Sie löschen möchten!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Are you sure you want to Delete the Movie: &quot;%1&quot;</source>
        <translation>Möchten Sie den Film „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The Movie is Succesfully Deleted From The Database</source>
        <translation>Der Film wurde aus der Datenbank gelöscht.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/exchange/ExchangeCommands.cpp" line="+21"/>
        <source>Please make sure you have some Movies in your database</source>
        <translation>Bitte fügen Sie zuerst Filme zu Ihrer Datenbank hinzu</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Movie List (Comma-separated)</source>
        <translation>Filmliste (kommagetrennt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie List (Web Page)</source>
        <translation>Filmliste (Webseite)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exporting &quot;%1&quot;...</source>
        <translation>„%1“ wird exportiert...</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Movie collections (*.csv *.tc *.gcs)</source>
        <translation>Filmsammlungen (*.csv *.tc *.gcs)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Importing &quot;%1&quot;...</source>
        <translation>„%1“ wird importiert...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; cannot be imported: %2.</source>
        <translation>„%1“ kann nicht importiert werden: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import &quot;%1&quot;</source>
        <translation>„%1“ importieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import of &quot;%1&quot;

%2</source>
        <translation>Import von „%1“

%2</translation>
    </message>
</context>
<context>
    <name>FileAnalysis</name>
    <message>
        <location filename="../src/editing/FileAnalysis.cpp" line="+87"/>
        <source>All Movie Files! (*.AVI *.ASF *.MPG *.RM)</source>
        <translation>Alle Filmdateien (*.AVI *.ASF *.MPG *.RM)</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>There Went Something Wrong With Opening!</source>
        <translation>Beim Öffnen ist etwas schiefgegangen!</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/files/FileCommands.cpp" line="+19"/>
        <source>Reelcase Files (*.rcb)</source>
        <translation>Reelcase-Dateien (*.rcb)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please make sure you have some Movies in your database!</source>
        <translation>Bitte fügen Sie zuerst Filme zu Ihrer Datenbank hinzu!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Exiting, Do You Want To Save First!</source>
        <translation>Das Programm wird beendet. Möchten Sie vorher speichern?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Do You Really Want To Exit!</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Do you want to start a new Movie-database?</source>
        <translation>Möchten Sie eine neue Filmdatenbank anlegen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New</source>
        <comment>undo step</comment>
        <translation>Neue Datenbank</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> Its previous version is kept in &quot;%1&quot;. Open that instead?</source>
        <translation> Die vorige Fassung liegt in „%1“. Stattdessen diese öffnen?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Open &quot;%1&quot;</source>
        <translation>„%1“ öffnen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The catalogue is full (%1 movies). %2 movies of this file could not be taken in.</source>
        <translation>Der Katalog ist voll (%1 Filme). %2 Filme dieser Datei konnten nicht übernommen werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The catalogue file has been changed by another program since it was opened. Save over it anyway?</source>
        <translation>Die Katalogdatei wurde seit dem Öffnen von einem anderen Programm geändert. Trotzdem überschreiben?</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The %1 MOVIES Are Now Succesfully Saved!</source>
        <translation>Die %1 Filme wurden erfolgreich gespeichert!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue was saved without a backup of its previous version: &quot;%1&quot; could not be written. %2</source>
        <translation>Der Katalog wurde ohne Sicherung der vorigen Fassung gespeichert: „%1“ konnte nicht geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <location filename="../src/careful_files/FileErrors.cpp" line="+13"/>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File changed by another program</source>
        <translation>Datei wurde von einem anderen Programm geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File in use by another program</source>
        <translation>Datei wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>FolderAddCommand</name>
    <message>
        <location filename="../src/folder_add/FolderAddCommand.cpp" line="+23"/>
        <source>Add Movies from Folder</source>
        <translation>Filme aus Ordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>FolderAddModel</name>
    <message>
        <location filename="../src/folder_add/ui/FolderAddModel.cpp" line="+33"/>
        <source>choose...</source>
        <translation>wählen...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length (min)</source>
        <translation>Länge (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size (MB)</source>
        <translation>Größe (MB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parts</source>
        <translation>Teile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
</context>
<context>
    <name>FolderAdding</name>
    <message>
        <location filename="../src/folder_add/FolderAdding.cpp" line="+15"/>
        <source>Add 1 Movie from Folder</source>
        <translation>1 Film aus Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add %1 Movies from Folder</source>
        <translation>%1 Filme aus Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The database is full: %1 of the checked Movies were left out!</source>
        <translation>Die Datenbank ist voll: %1 der angehakten Filme wurden ausgelassen!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of the checked Movies already exist and were left out!</source>
        <translation>%1 der angehakten Filme gibt es schon; sie wurden ausgelassen!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the checked Movies were not complete and were left out!</source>
        <translation>%1 der angehakten Filme waren unvollständig und wurden ausgelassen!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 Movies were added.
</source>
        <translation>%1 Filme wurden hinzugefügt.
</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <location filename="../src/folder_add/FolderScan.cpp" line="+160"/>
        <source>%1 link that loops</source>
        <translation>%1 Verknüpfung im Kreis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 links that loop</source>
        <translation>%1 Verknüpfungen im Kreis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 broken link</source>
        <translation>%1 defekte Verknüpfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 broken links</source>
        <translation>%1 defekte Verknüpfungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unreadable folder</source>
        <translation>%1 unlesbarer Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable folders</source>
        <translation>%1 unlesbare Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pipe or device</source>
        <translation>%1 Pipe oder Gerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pipes or devices</source>
        <translation>%1 Pipes oder Geräte</translation>
    </message>
</context>
<context>
    <name>FolderStatus</name>
    <message>
        <location filename="../src/disk_check/ui/CheckModels.cpp" line="+70"/>
        <location filename="../src/folder_add/ui/FolderAddModel.cpp" line="+15"/>
        <source>unreadable: %1</source>
        <translation>unlesbar: %1</translation>
    </message>
    <message>
        <location filename="../src/folder_add/FolderAddTable.cpp" line="+22"/>
        <source>measuring</source>
        <translation>wird vermessen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already in the catalogue</source>
        <translation>schon im Katalog</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>same name twice in this folder</source>
        <translation>gleicher Name zweimal in diesem Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>name cut to 29 characters</source>
        <translation>Name auf 29 Zeichen gekürzt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>format to choose</source>
        <translation>Format wählen</translation>
    </message>
</context>
<context>
    <name>ListOutputCommands</name>
    <message>
        <location filename="../src/export_print/ListOutputCommands.cpp" line="+15"/>
        <source>Please make sure you have some Movies in your database</source>
        <translation>Bitte fügen Sie zuerst Filme zu Ihrer Datenbank hinzu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There went something wrong with exporting!</source>
        <translation>Beim Exportieren ist etwas schiefgegangen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There went something wrong with printing!</source>
        <translation>Beim Drucken ist etwas schiefgegangen!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file: &quot;%1&quot; is succesfully created with all the Movies!</source>
        <translation>Die Datei „%1“ wurde mit allen Filmen angelegt!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Movie List (Textfile)</source>
        <translation>Filmliste (Textdatei)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The device &quot;%1&quot; is now printing your movie database!</source>
        <translation>Das Gerät „%1“ druckt jetzt Ihre Filmdatenbank!</translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <location filename="../src/program_state/DetailsText.cpp" line="+30"/>
        <source>Personal Info</source>
        <translation>Persönliche Notizen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Movie:</source>
        <translation>Film:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rating:</source>
        <translation>Wertung:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <location filename="../src/editing/MovieEditor.cpp" line="+21"/>
        <source>Please Fill In The Complete Form, Enter Zero If You Don&apos;t Know The Info!</source>
        <translation>Bitte füllen Sie das ganze Formular aus; geben Sie 0 ein, wenn Sie eine Angabe nicht kennen!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The Personal Info Must Be Shorter Then 200 Characters</source>
        <translation>Die persönlichen Notizen müssen kürzer als 200 Zeichen sein</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your Input Is Not Valid!</source>
        <translation>Ihre Eingabe ist ungültig!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>That Movie Already Exist!</source>
        <translation>Diesen Film gibt es schon!</translation>
    </message>
</context>
<context>
    <name>SavingMark</name>
    <message>
        <location filename="../src/careful_files/SavingMark.cpp" line="+94"/>
        <source>The last save of &quot;%1&quot; was interrupted: the file may be damaged.</source>
        <translation>Das letzte Speichern von „%1“ wurde unterbrochen: Die Datei ist womöglich beschädigt.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../src/settings/SettingsStore.h" line="+34"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/MovieStatistics.h" line="+76"/>
        <source>(other)</source>
        <translation>(andere)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="+106"/>
        <location line="+8"/>
        <source>none measured</source>
        <translation>keine gemessen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gigabytes</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+59"/>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Statistics of 1 movie</source>
        <translation>Statistik über 1 Film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics of %1 movies</source>
        <translation>Statistik über %1 Filme</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2: %3)</source>
        <translation>%1 (%2: %3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Length of film</source>
        <translation>Gesamtlänge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average length</source>
        <translation>Mittlere Länge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average size</source>
        <translation>Mittlere Größe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No length measured</source>
        <translation>Ohne gemessene Länge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No size measured</source>
        <translation>Ohne gemessene Größe</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <location filename="../src/undo/UndoCommands.cpp" line="+42"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <location filename="../src/platform/ui/QtUserDialogs.cpp" line="+59"/>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WriteLock</name>
    <message>
        <location filename="../src/careful_files/WriteLock.cpp" line="+137"/>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another program (process %1)</source>
        <translation>ein anderes Programm (Prozess %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file is being written by %1. Try again when it has finished.</source>
        <translation>Die Datei wird gerade geschrieben von: %1. Versuchen Sie es erneut, wenn der Vorgang beendet ist.</translation>
    </message>
</context>
<context>
    <name>reelcase::FolderMeasuringWindow</name>
    <message>
        <location filename="../src/folder_add/ui/FolderMeasuringWindow.cpp" line="+79"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rating:</source>
        <translation>&amp;Bewertung:</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 of %2 files measured</source>
        <translation>%1 von %2 Dateien vermessen</translation>
    </message>
</context>
<context>
    <name>reelcase::SearchResultModel</name>
    <message>
        <location filename="../src/main_window/SearchResultModel.cpp" line="+35"/>
        <source>Movie Name</source>
        <translation>Filmname</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmAbout</name>
    <message>
        <location filename="../src/about_web/ui/frmAboutBox.cpp" line="+22"/>
        <source>About Reel-Case Database</source>
        <translation>Über Reel-Case Database</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmAdd</name>
    <message>
        <location filename="../src/editing/ui/untAddModifyMovie.cpp" line="+70"/>
        <location line="+144"/>
        <source>Add a new Movie!</source>
        <translation>Einen neuen Film hinzufügen!</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>General Settings</source>
        <translation>Allgemeine Angaben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Enter here the name of the Movie!</source>
        <translation>Geben Sie hier den Namen des Films ein!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movie Name:</source>
        <translation>Filmname:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Enter here the length of the Movie!</source>
        <translation>Geben Sie hier die Länge des Films ein!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie Length:</source>
        <translation>Filmlänge:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter here the size of the Movie!</source>
        <translation>Geben Sie hier die Größe des Films ein!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Parts</source>
        <translation>Anzahl Teile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select here how many parts you want to analyse!</source>
        <translation>Wählen Sie hier, aus wie vielen Teilen der Film besteht!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Analyse File(s)</source>
        <translation>Analysieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To analyse a Movie click here!</source>
        <translation>Klicken Sie hier, um einen Film zu analysieren!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here your rating about this Movie!</source>
        <translation>Wählen Sie hier Ihre Bewertung des Films!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the genre of the Movie!</source>
        <translation>Wählen Sie hier das Genre des Films!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Enter here some personal info about this Movie!</source>
        <translation>Geben Sie hier persönliche Notizen zu diesem Film ein!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add some personal info here:</source>
        <translation>Persönliche Notizen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movie Format </source>
        <translation>Filmformat </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the format of the Movie!</source>
        <translation>Wählen Sie hier das Format des Films!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quality of the Movie</source>
        <translation>Qualität des Films</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the quality-factor of the Movie!</source>
        <translation>Wählen Sie hier die Qualität des Films!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>To acknowledge with your settings click here!</source>
        <translation>Klicken Sie hier, um Ihre Angaben zu übernehmen!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>To leave this window click here!</source>
        <translation>Klicken Sie hier, um dieses Fenster zu schließen!</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Modify a Movie!</source>
        <translation>Einen Film bearbeiten!</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmCheck</name>
    <message>
        <location filename="../src/disk_check/ui/CheckWindow.cpp" line="+68"/>
        <source>Check Against Folders</source>
        <translation>Mit Ordnern abgleichen</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Folders: %1 (every file measured)</source>
        <translation>Ordner: %1 (jede Datei vermessen)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Folders: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not found in these folders</source>
        <translation>In diesen Ordnern nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New files</source>
        <translation>Neue Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In step: looking for movie files...</source>
        <translation>Unverändert: Filmdateien werden gesucht...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%v of %m files measured</source>
        <translation>%v von %m Dateien vermessen</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Changed (%1): checked movies take the new values</source>
        <translation>Geändert (%1): Angehakte Filme übernehmen die neuen Werte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not found in these folders (%1): checked movies are deleted</source>
        <translation>In diesen Ordnern nicht gefunden (%1): Angehakte Filme werden gelöscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New files (%1): checked files are added</source>
        <translation>Neue Dateien (%1): Angehakte Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In step: %1 movie</source>
        <translation>Unverändert: %1 Film</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In step: %1 movies</source>
        <translation>Unverändert: %1 Filme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (%1 still being measured)</source>
        <translation> (%1 werden noch vermessen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skipped: %1.</source>
        <translation>Übersprungen: %1.</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmCheckFolders</name>
    <message>
        <location filename="../src/disk_check/ui/CheckFoldersWindow.cpp" line="+26"/>
        <source>Check Against Folders</source>
        <translation>Mit Ordnern abgleichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Folders to check, with every folder below them:</source>
        <translation>Zu prüfende &amp;Ordner, samt allen Unterordnern:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add Folder...</source>
        <translation>Ordner &amp;hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Measure every file (slower: otherwise a file of the stored size is taken as it is)</source>
        <translation>&amp;Jede Datei vermessen (langsamer; sonst gilt eine Datei der gespeicherten Größe als unverändert)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmFolderAdd</name>
    <message>
        <location filename="../src/folder_add/ui/FolderAddWindow.cpp" line="+18"/>
        <source>Add Movies from Folder</source>
        <translation>Filme aus Ordner hinzufügen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%v of %m files</source>
        <translation>%v von %m Dateien</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add checked movies</source>
        <translation>Angehakte Filme hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looking for movie files...</source>
        <translation>Filmdateien werden gesucht...</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 movie, %2 checked.</source>
        <translation>%1 Film, %2 angehakt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 movies, %2 checked.</source>
        <translation>%1 Filme, %2 angehakt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Skipped: %1.</source>
        <translation> Übersprungen: %1.</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmMain</name>
    <message>
        <location filename="../src/main_window/MainWindowControls.cpp" line="+88"/>
        <source>List with Movies!</source>
        <translation>Liste der Filme!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for a Movie here!</source>
        <translation>Suchen Sie hier nach einem Film!</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Result of your Movie-search!</source>
        <translation>Ergebnis Ihrer Filmsuche!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Info about the Movies is in here!</source>
        <translation>Hier stehen die Angaben zum Film!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie details</source>
        <translation>Filmdetails</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>All Genres</source>
        <translation>Alle Genres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you want only 1 genre!</source>
        <translation>Wenn Sie nur ein Genre sehen möchten!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Ratings</source>
        <translation>Alle Bewertungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Formats</source>
        <translation>Alle Formate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All Qualities</source>
        <translation>Alle Qualitäten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre filter</source>
        <translation>Genrefilter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating filter</source>
        <translation>Bewertungsfilter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format filter</source>
        <translation>Formatfilter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality filter</source>
        <translation>Qualitätsfilter</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add new Movie</source>
        <translation>Neuen Film hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Movie</source>
        <translation>Film bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Movie</source>
        <translation>Film löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie Database</source>
        <translation>Filmdatenbank</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add new Movie</source>
        <translation>Neuen Film &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Modify Movie</source>
        <translation>Film &amp;bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Movie</source>
        <translation>Film &amp;löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Movies from &amp;Folder...</source>
        <translation>Filme aus &amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check A&amp;gainst Folders...</source>
        <translation>Mit Ordnern &amp;abgleichen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Check %1</source>
        <translation>Bei %1 &amp;nachschlagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie List</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print List</source>
        <translation>Liste &amp;drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export List</source>
        <translation>Liste &amp;exportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export as Web Page...</source>
        <translation>Als Webseite exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check for update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmPreferences</name>
    <message>
        <location filename="../src/settings/ui/untReelcasePreferences.cpp" line="+75"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphical Settings</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pick here the background skin you want to use in the main program.</source>
        <translation>Wählen Sie hier den Hintergrund für das Hauptfenster.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Your current background skin is:</source>
        <translation>Ihr aktueller Hintergrund:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No background skin</source>
        <translation>Kein Hintergrund</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which font would you like to use in the windows of the main program.</source>
        <translation>Wählen Sie die Schrift für die Fenster des Hauptprogramms.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save all the settings in the registery.</source>
        <translation>Alle Einstellungen in der Registrierung speichern.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ask me if I really want to quit the program.</source>
        <translation>Vor dem Beenden des Programms nachfragen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the program with the last opened database file.</source>
        <translation>Beim Start die zuletzt geöffnete Datenbank öffnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Associate this program to all the files with the extension: *.rcb</source>
        <translation>Dateien mit der Endung *.rcb mit diesem Programm öffnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>There went something wrong with writing to the register</source>
        <translation>Beim Schreiben in die Registrierung ist etwas schiefgegangen</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmStatistics</name>
    <message>
        <location filename="../src/statistics/ui/StatisticsWindow.cpp" line="+66"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Movies</source>
        <translation>&amp;Filme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hours</source>
        <translation>&amp;Stunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Gigabytes</source>
        <translation>&amp;Gigabyte</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Save as Picture...</source>
        <translation>Als &amp;Bild speichern...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 by %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Picture (*.png *.svg)</source>
        <translation>Bild (*.png *.svg)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The picture &quot;%1&quot; could not be written.</source>
        <translation>Das Bild „%1“ konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <location line="+7"/>
        <source>There went something wrong with printing!</source>
        <translation>Beim Drucken ist etwas schiefgegangen!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The device &quot;%1&quot; is now printing your statistics!</source>
        <translation>Das Gerät „%1“ druckt jetzt Ihre Statistik!</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmWait</name>
    <message>
        <location filename="../src/editing/ui/untMovieAnalyseWait.cpp" line="+32"/>
        <source>Please wait ;)</source>
        <translation>Bitte warten ;)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Now Analyzing Your Movie, Please Wait! </source>
        <translation> Ihr Film wird analysiert, bitte warten! </translation>
    </message>
</context>
</TS>
