<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutLetter</name>
    <message>
        <location filename="../src/about_web/ui/frmAboutBox.cpp" line="+41"/>
        <source>Dear movie collector,</source>
        <translation>Chère collectionneuse, cher collectionneur,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thank you very much for using this program! I hope it keeps your</source>
        <translation>merci beaucoup d’utiliser ce programme&#xa0;! J’espère qu’il garde votre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>collection of movies in good order, just as it does mine.</source>
        <translation>collection de films en bon ordre, tout comme la mienne.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The first version was a school exercise: a small list of names in a</source>
        <translation>La première version était un exercice d’école&#xa0;: une petite liste de noms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>window, written to learn how records and files work. Friends began</source>
        <translation>dans une fenêtre, écrite pour apprendre les fiches et les fichiers. Des amis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>to use it for their own tapes and discs and asked for searching,</source>
        <translation>s’en sont servis pour leurs cassettes et disques et ont demandé la recherche,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>filters, printing and measuring movie files, and bit by bit the</source>
        <translation>les filtres, l’impression et la mesure des fichiers vidéo&#xa0;; peu à peu,</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>exercise grew into the catalogue you are using now.</source>
        <translation>l’exercice est devenu le catalogue que vous utilisez aujourd’hui.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New versions are published on the Reel-Case download site at</source>
        <translation>Les nouvelles versions sont publiées sur le site de Reel-Case à l’adresse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. You find them on this page:</source>
        <translation>%1. Vous les trouverez sur cette page&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Greetings go to:</source>
        <translation>Mes salutations à&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Marlies and the Tuesday night film club</source>
        <translation>  - Marlies et le ciné-club du mardi soir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Big Tom, for the loan of his old projector</source>
        <translation>  - Big Tom, qui m’a prêté son vieux projecteur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  - everyone at the Harbour Street video shop</source>
        <translation>  - toute l’équipe du vidéoclub de Harbour Street</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - Pim, who tried out every single version</source>
        <translation>  - Pim, qui a essayé chaque version</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  - my mother, who still prefers her tapes</source>
        <translation>  - ma mère, qui préfère toujours ses cassettes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Many thanks to the makers of all the freeware tools for creating and</source>
        <translation>Un grand merci aux auteurs de tous les logiciels gratuits pour créer et</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>converting movies: without them there would be far fewer movies to</source>
        <translation>convertir des films&#xa0;: sans eux, il y aurait bien moins de films à</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>keep in Reel-Case Database.</source>
        <translation>ranger dans Reel-Case Database.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Questions, ideas or bugs? Please send me your feedback by e-mail.</source>
        <translation>Des questions, des idées, des bogues&#xa0;? Écrivez-moi par e-mail.</translation>
    </message>
</context>
<context>
    <name>BackgroundWork</name>
    <message>
        <location filename="../src/platform/ui/QtBackgroundWork.cpp" line="+75"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>CheckApplying</name>
    <message>
        <location filename="../src/disk_check/CheckApplying.cpp" line="+18"/>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Apply and Delete 1 movie</source>
        <translation>Appliquer et supprimer 1 film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply and Delete %1 movies</source>
        <translation>Appliquer et supprimer %1 films</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Check Against Folders</source>
        <translation>Comparer avec des dossiers</translation>
    </message>
</context>
<context>
    <name>CheckModels</name>
    <message>
        <location filename="../src/disk_check/ui/CheckModels.cpp" line="+16"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length (min)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size (MB)</source>
        <translation>Taille (Mo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>Remarque</translation>
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
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être vérifié&#xa0;: %2.
Rien n’a été vérifié.</translation>
    </message>
</context>
<context>
    <name>EditingCommands</name>
    <message>
        <location filename="../src/editing/EditingCommands.cpp" line="+33"/>
        <source>The database is full: it cannot hold more than %1 Movies!</source>
        <translation>La base de données est pleine&#xa0;: elle ne peut pas contenir plus de %1 films&#xa0;!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>That Movie Already Exist!</source>
        <translation>Ce film existe déjà&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &quot;%1&quot;</source>
        <translation>Ajouter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select a movie before you try to modify!</source>
        <translation>Sélectionnez d’abord le film à modifier&#xa0;!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Modify &quot;%1&quot;</source>
        <translation>Modifier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select a movie before you try to delete!</source>
        <translation>Sélectionnez d’abord le film à supprimer&#xa0;!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Are you sure you want to Delete the Movie: &quot;%1&quot;</source>
        <translation>Voulez-vous vraiment supprimer le film «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The Movie is Succesfully Deleted From The Database</source>
        <translation>Le film a bien été supprimé de la base de données.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/exchange/ExchangeCommands.cpp" line="+21"/>
        <source>Please make sure you have some Movies in your database</source>
        <translation>Veuillez d’abord ajouter des films à votre base de données</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Movie List (Comma-separated)</source>
        <translation>Liste des films (CSV)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie List (Web Page)</source>
        <translation>Liste des films (page web)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Exporting &quot;%1&quot;...</source>
        <translation>Exportation de «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Movie collections (*.csv *.tc *.gcs)</source>
        <translation>Collections de films (*.csv *.tc *.gcs)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Importing &quot;%1&quot;...</source>
        <translation>Importation de «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; cannot be imported: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être importé&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import &quot;%1&quot;</source>
        <translation>Importer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import of &quot;%1&quot;

%2</source>
        <translation>Importation de «&#xa0;%1&#xa0;»

%2</translation>
    </message>
</context>
<context>
    <name>FileAnalysis</name>
    <message>
        <location filename="../src/editing/FileAnalysis.cpp" line="+87"/>
        <source>All Movie Files! (*.AVI *.ASF *.MPG *.RM)</source>
        <translation>Tous les fichiers vidéo (*.AVI *.ASF *.MPG *.RM)</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>There Went Something Wrong With Opening!</source>
        <translation>Un problème est survenu à l’ouverture&#xa0;!</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/files/FileCommands.cpp" line="+19"/>
        <source>Reelcase Files (*.rcb)</source>
        <translation>Fichiers Reelcase (*.rcb)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please make sure you have some Movies in your database!</source>
        <translation>Veuillez d’abord ajouter des films à votre base de données&#xa0;!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Exiting, Do You Want To Save First!</source>
        <translation>Fermeture du programme. Voulez-vous d’abord enregistrer&#xa0;?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Do You Really Want To Exit!</source>
        <translation>Voulez-vous vraiment quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Do you want to start a new Movie-database?</source>
        <translation>Voulez-vous créer une nouvelle base de films&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New</source>
        <comment>undo step</comment>
        <translation>Nouvelle base</translation>
    </message>
    <message>
        <location line="+29"/>
        <source> Its previous version is kept in &quot;%1&quot;. Open that instead?</source>
        <translation> Sa version précédente est conservée dans «&#xa0;%1&#xa0;». L’ouvrir à la place&#xa0;?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Open &quot;%1&quot;</source>
        <translation>Ouvrir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The catalogue is full (%1 movies). %2 movies of this file could not be taken in.</source>
        <translation>Le catalogue est plein (%1 films). %2 films de ce fichier n’ont pas pu être repris.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The catalogue file has been changed by another program since it was opened. Save over it anyway?</source>
        <translation>Le fichier du catalogue a été modifié par un autre programme depuis son ouverture. L’écraser quand même&#xa0;?</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The %1 MOVIES Are Now Succesfully Saved!</source>
        <translation>Les %1 films ont bien été enregistrés&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The catalogue was saved without a backup of its previous version: &quot;%1&quot; could not be written. %2</source>
        <translation>Le catalogue a été enregistré sans copie de sa version précédente&#xa0;: «&#xa0;%1&#xa0;» n’a pas pu être écrit. %2</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <location filename="../src/careful_files/FileErrors.cpp" line="+13"/>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File changed by another program</source>
        <translation>Fichier modifié par un autre programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File in use by another program</source>
        <translation>Fichier utilisé par un autre programme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <translation>Erreur d’E/S %1</translation>
    </message>
</context>
<context>
    <name>FolderAddCommand</name>
    <message>
        <location filename="../src/folder_add/FolderAddCommand.cpp" line="+23"/>
        <source>Add Movies from Folder</source>
        <translation>Ajouter des films d’un dossier</translation>
    </message>
</context>
<context>
    <name>FolderAddModel</name>
    <message>
        <location filename="../src/folder_add/ui/FolderAddModel.cpp" line="+33"/>
        <source>choose...</source>
        <translation>choisir...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length (min)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size (MB)</source>
        <translation>Taille (Mo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parts</source>
        <translation>Parties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>FolderAdding</name>
    <message>
        <location filename="../src/folder_add/FolderAdding.cpp" line="+15"/>
        <source>Add 1 Movie from Folder</source>
        <translation>Ajouter 1 film d’un dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add %1 Movies from Folder</source>
        <translation>Ajouter %1 films d’un dossier</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The database is full: %1 of the checked Movies were left out!</source>
        <translation>La base de données est pleine&#xa0;: %1 des films cochés ont été laissés de côté&#xa0;!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 of the checked Movies already exist and were left out!</source>
        <translation>%1 des films cochés existent déjà et ont été laissés de côté&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 of the checked Movies were not complete and were left out!</source>
        <translation>%1 des films cochés étaient incomplets et ont été laissés de côté&#xa0;!</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 Movies were added.
</source>
        <translation>%1 films ont été ajoutés.
</translation>
    </message>
</context>
<context>
    <name>FolderScan</name>
    <message>
        <location filename="../src/folder_add/FolderScan.cpp" line="+160"/>
        <source>%1 link that loops</source>
        <translation>%1 lien qui boucle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 links that loop</source>
        <translation>%1 liens qui bouclent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 broken link</source>
        <translation>%1 lien rompu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 broken links</source>
        <translation>%1 liens rompus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 unreadable folder</source>
        <translation>%1 dossier illisible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 unreadable folders</source>
        <translation>%1 dossiers illisibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pipe or device</source>
        <translation>%1 tube ou périphérique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pipes or devices</source>
        <translation>%1 tubes ou périphériques</translation>
    </message>
</context>
<context>
    <name>FolderStatus</name>
    <message>
        <location filename="../src/disk_check/ui/CheckModels.cpp" line="+70"/>
        <location filename="../src/folder_add/ui/FolderAddModel.cpp" line="+15"/>
        <source>unreadable: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/folder_add/FolderAddTable.cpp" line="+22"/>
        <source>measuring</source>
        <translation>mesure en cours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already in the catalogue</source>
        <translation>déjà dans le catalogue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>same name twice in this folder</source>
        <translation>même nom deux fois dans ce dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>name cut to 29 characters</source>
        <translation>nom coupé à 29 caractères</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>format to choose</source>
        <translation>format à choisir</translation>
    </message>
</context>
<context>
    <name>ListOutputCommands</name>
    <message>
        <location filename="../src/export_print/ListOutputCommands.cpp" line="+15"/>
        <source>Please make sure you have some Movies in your database</source>
        <translation>Veuillez d’abord ajouter des films à votre base de données</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There went something wrong with exporting!</source>
        <translation>Un problème est survenu lors de l’exportation&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There went something wrong with printing!</source>
        <translation>Un problème est survenu lors de l’impression&#xa0;!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file: &quot;%1&quot; is succesfully created with all the Movies!</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» a bien été créé avec tous les films&#xa0;!</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Movie List (Textfile)</source>
        <translation>Liste des films (fichier texte)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The device &quot;%1&quot; is now printing your movie database!</source>
        <translation>Le périphérique «&#xa0;%1&#xa0;» imprime maintenant votre base de films&#xa0;!</translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <location filename="../src/program_state/DetailsText.cpp" line="+30"/>
        <source>Personal Info</source>
        <translation>Notes personnelles</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Movie:</source>
        <translation>Film&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Length:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Genre:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rating:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <location filename="../src/editing/MovieEditor.cpp" line="+21"/>
        <source>Please Fill In The Complete Form, Enter Zero If You Don&apos;t Know The Info!</source>
        <translation>Veuillez remplir tout le formulaire&#xa0;; saisissez 0 si vous ne connaissez pas une valeur&#xa0;!</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The Personal Info Must Be Shorter Then 200 Characters</source>
        <translation>Les notes personnelles doivent faire moins de 200 caractères</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Your Input Is Not Valid!</source>
        <translation>Votre saisie n’est pas valide&#xa0;!</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>That Movie Already Exist!</source>
        <translation>Ce film existe déjà&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SavingMark</name>
    <message>
        <location filename="../src/careful_files/SavingMark.cpp" line="+94"/>
        <source>The last save of &quot;%1&quot; was interrupted: the file may be damaged.</source>
        <translation>Le dernier enregistrement de «&#xa0;%1&#xa0;» a été interrompu&#xa0;: le fichier est peut-être endommagé.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../src/settings/SettingsStore.h" line="+34"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <location filename="../src/statistics/MovieStatistics.h" line="+76"/>
        <source>(other)</source>
        <translation>(autres)</translation>
    </message>
    <message>
        <location filename="../src/statistics/StatisticsText.cpp" line="+106"/>
        <location line="+8"/>
        <source>none measured</source>
        <translation>aucune mesure</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gigabytes</source>
        <translation>Gigaoctets</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+59"/>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Statistics of 1 movie</source>
        <translation>Statistiques de 1 film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics of %1 movies</source>
        <translation>Statistiques de %1 films</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2: %3)</source>
        <translation>%1 (%2 : %3)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Length of film</source>
        <translation>Durée totale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average length</source>
        <translation>Durée moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average size</source>
        <translation>Taille moyenne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No length measured</source>
        <translation>Sans durée mesurée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No size measured</source>
        <translation>Sans taille mesurée</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <location filename="../src/undo/UndoCommands.cpp" line="+42"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <location filename="../src/platform/ui/QtUserDialogs.cpp" line="+59"/>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>WriteLock</name>
    <message>
        <location filename="../src/careful_files/WriteLock.cpp" line="+137"/>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>another program (process %1)</source>
        <translation>un autre programme (processus %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file is being written by %1. Try again when it has finished.</source>
        <translation>Le fichier est en cours d’écriture par %1. Réessayez quand il aura terminé.</translation>
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
        <translation>Note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Genre:</source>
        <translation>&amp;Genre :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rating:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 of %2 files measured</source>
        <translation>%1 fichiers mesurés sur %2</translation>
    </message>
</context>
<context>
    <name>reelcase::SearchResultModel</name>
    <message>
        <location filename="../src/main_window/SearchResultModel.cpp" line="+35"/>
        <source>Movie Name</source>
        <translation>Nom du film</translation>
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
        <translation>À propos de Reel-Case Database</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmAdd</name>
    <message>
        <location filename="../src/editing/ui/untAddModifyMovie.cpp" line="+70"/>
        <location line="+144"/>
        <source>Add a new Movie!</source>
        <translation>Ajouter un nouveau film&#xa0;!</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>General Settings</source>
        <translation>Informations générales</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Enter here the name of the Movie!</source>
        <translation>Saisissez ici le nom du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movie Name:</source>
        <translation>Nom du film&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Enter here the length of the Movie!</source>
        <translation>Saisissez ici la durée du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie Length:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter here the size of the Movie!</source>
        <translation>Saisissez ici la taille du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Parts</source>
        <translation>Parties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select here how many parts you want to analyse!</source>
        <translation>Choisissez ici le nombre de parties à analyser&#xa0;!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Analyse File(s)</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>To analyse a Movie click here!</source>
        <translation>Cliquez ici pour analyser un film&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here your rating about this Movie!</source>
        <translation>Choisissez ici votre note pour ce film&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the genre of the Movie!</source>
        <translation>Choisissez ici le genre du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Enter here some personal info about this Movie!</source>
        <translation>Saisissez ici des notes personnelles sur ce film&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add some personal info here:</source>
        <translation>Notes personnelles&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movie Format </source>
        <translation>Format du film </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the format of the Movie!</source>
        <translation>Choisissez ici le format du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quality of the Movie</source>
        <translation>Qualité du film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select here the quality-factor of the Movie!</source>
        <translation>Choisissez ici la qualité du film&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>To acknowledge with your settings click here!</source>
        <translation>Cliquez ici pour valider vos réglages&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>To leave this window click here!</source>
        <translation>Cliquez ici pour fermer cette fenêtre&#xa0;!</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Modify a Movie!</source>
        <translation>Modifier un film&#xa0;!</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmCheck</name>
    <message>
        <location filename="../src/disk_check/ui/CheckWindow.cpp" line="+68"/>
        <source>Check Against Folders</source>
        <translation>Comparer avec des dossiers</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Folders: %1 (every file measured)</source>
        <translation>Dossiers&#xa0;: %1 (chaque fichier mesuré)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Folders: %1</source>
        <translation>Dossiers&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed</source>
        <translation>Modifiés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not found in these folders</source>
        <translation>Introuvables dans ces dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New files</source>
        <translation>Nouveaux fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In step: looking for movie files...</source>
        <translation>À jour&#xa0;: recherche des fichiers vidéo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%v of %m files measured</source>
        <translation>%v fichiers mesurés sur %m</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Changed (%1): checked movies take the new values</source>
        <translation>Modifiés (%1)&#xa0;: les films cochés prennent les nouvelles valeurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not found in these folders (%1): checked movies are deleted</source>
        <translation>Introuvables dans ces dossiers (%1)&#xa0;: les films cochés sont supprimés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New files (%1): checked files are added</source>
        <translation>Nouveaux fichiers (%1)&#xa0;: les fichiers cochés sont ajoutés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In step: %1 movie</source>
        <translation>À jour&#xa0;: %1 film</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>In step: %1 movies</source>
        <translation>À jour&#xa0;: %1 films</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (%1 still being measured)</source>
        <translation> (%1 encore en cours de mesure)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skipped: %1.</source>
        <translation>Ignorés&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmCheckFolders</name>
    <message>
        <location filename="../src/disk_check/ui/CheckFoldersWindow.cpp" line="+26"/>
        <source>Check Against Folders</source>
        <translation>Comparer avec des dossiers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Folders to check, with every folder below them:</source>
        <translation>&amp;Dossiers à vérifier, avec tous leurs sous-dossiers&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add Folder...</source>
        <translation>&amp;Ajouter un dossier...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Measure every file (slower: otherwise a file of the stored size is taken as it is)</source>
        <translation>&amp;Mesurer chaque fichier (plus lent&#xa0;; sinon un fichier de la taille enregistrée est pris tel quel)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmFolderAdd</name>
    <message>
        <location filename="../src/folder_add/ui/FolderAddWindow.cpp" line="+18"/>
        <source>Add Movies from Folder</source>
        <translation>Ajouter des films d’un dossier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%v of %m files</source>
        <translation>%v fichiers sur %m</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add checked movies</source>
        <translation>Ajouter les films cochés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Folder: %1</source>
        <translation>Dossier&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Looking for movie files...</source>
        <translation>Recherche des fichiers vidéo...</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1 movie, %2 checked.</source>
        <translation>%1 film, cochés&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 movies, %2 checked.</source>
        <translation>%1 films, cochés&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Skipped: %1.</source>
        <translation> Ignorés&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmMain</name>
    <message>
        <location filename="../src/main_window/MainWindowControls.cpp" line="+88"/>
        <source>List with Movies!</source>
        <translation>Liste des films&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Search for a Movie here!</source>
        <translation>Cherchez un film ici&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Search</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Result of your Movie-search!</source>
        <translation>Résultat de votre recherche&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Info about the Movies is in here!</source>
        <translation>Les informations sur le film sont ici&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Movie details</source>
        <translation>Détails du film</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>All Genres</source>
        <translation>Tous les genres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>If you want only 1 genre!</source>
        <translation>Pour n’afficher qu’un genre&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Ratings</source>
        <translation>Toutes les notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Formats</source>
        <translation>Tous les formats</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All Qualities</source>
        <translation>Toutes qualités</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Genre filter</source>
        <translation>Filtre de genre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating filter</source>
        <translation>Filtre de note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format filter</source>
        <translation>Filtre de format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quality filter</source>
        <translation>Filtre de qualité</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add new Movie</source>
        <translation>Ajouter un film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Modify Movie</source>
        <translation>Modifier le film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie Database</source>
        <translation>Base de films</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add new Movie</source>
        <translation>&amp;Ajouter un film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Modify Movie</source>
        <translation>&amp;Modifier le film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Supprimer le film</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Movies from &amp;Folder...</source>
        <translation>Ajouter des films d’un &amp;dossier...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check A&amp;gainst Folders...</source>
        <translation>&amp;Comparer avec des dossiers...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Check %1</source>
        <translation>&amp;Vérifier sur %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Movie List</source>
        <translation>Liste des films</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print List</source>
        <translation>&amp;Imprimer la liste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export List</source>
        <translation>&amp;Exporter la liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export as Web Page...</source>
        <translation>Exporter en page web...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check for update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmPreferences</name>
    <message>
        <location filename="../src/settings/ui/untReelcasePreferences.cpp" line="+75"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphical Settings</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pick here the background skin you want to use in the main program.</source>
        <translation>Choisissez ici le fond de la fenêtre principale.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Your current background skin is:</source>
        <translation>Votre fond actuel&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No background skin</source>
        <translation>Aucun fond</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Which font would you like to use in the windows of the main program.</source>
        <translation>Choisissez la police des fenêtres du programme.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save all the settings in the registery.</source>
        <translation>Enregistrer tous les réglages dans le registre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ask me if I really want to quit the program.</source>
        <translation>Demander confirmation avant de quitter le programme.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open the program with the last opened database file.</source>
        <translation>Ouvrir au démarrage la dernière base de données ouverte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Associate this program to all the files with the extension: *.rcb</source>
        <translation>Associer ce programme aux fichiers d’extension *.rcb</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>There went something wrong with writing to the register</source>
        <translation>Un problème est survenu lors de l’écriture dans le registre</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmStatistics</name>
    <message>
        <location filename="../src/statistics/ui/StatisticsWindow.cpp" line="+66"/>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Movies</source>
        <translation>&amp;Films</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Gigabytes</source>
        <translation>&amp;Gigaoctets</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Save as Picture...</source>
        <translation>Enregistrer comme i&amp;mage...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 by %2</source>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Picture (*.png *.svg)</source>
        <translation>Image (*.png *.svg)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The picture &quot;%1&quot; could not be written.</source>
        <translation>L’image « %1 » n’a pas pu être écrite.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <location line="+7"/>
        <source>There went something wrong with printing!</source>
        <translation>Un problème est survenu lors de l’impression !</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The device &quot;%1&quot; is now printing your statistics!</source>
        <translation>Le périphérique « %1 » imprime maintenant vos statistiques !</translation>
    </message>
</context>
<context>
    <name>reelcase::TfrmWait</name>
    <message>
        <location filename="../src/editing/ui/untMovieAnalyseWait.cpp" line="+32"/>
        <source>Please wait ;)</source>
        <translation>Veuillez patienter&#xa0;;)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Now Analyzing Your Movie, Please Wait! </source>
        <translation> Analyse de votre film, veuillez patienter&#xa0;! </translation>
    </message>
</context>
</TS>
