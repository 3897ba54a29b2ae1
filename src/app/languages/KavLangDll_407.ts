<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="128">
        <source>Fibrolog

FibLog


Fibrolog.Document
FibLog Document</source>
        <extracomment>DocumentTemplate</extracomment>
        <translation>Fibrolog

FibLog


Fibrolog.Document
FibLog-Dokument</translation>
    </message>
    <message id="57344">
        <source>Fibrolog</source>
        <extracomment>AppTitle</extracomment>
        <translation>Fibrolog</translation>
    </message>
    <message id="57345">
        <source>Ready</source>
        <extracomment>Ready</extracomment>
        <translation>Bereit</translation>
    </message>
    <message id="33800">
        <source>Searching for KAV device</source>
        <extracomment>SearchingForDevice</extracomment>
        <translation>KAV-Gerät wird gesucht</translation>
    </message>
    <message id="33801">
        <source>Unable to find an Halvard Photonics&apos; device.  Please make sure that the meter is connected to the computer via an enabled serial port and that no other applications are using that port.  For best results, close all other applications.</source>
        <extracomment>UnableToFindDevice</extracomment>
        <translation>Es wurde kein Gerät von Halvard Photonics gefunden.  Bitte stellen Sie sicher, dass das Messgerät über eine aktivierte serielle Schnittstelle mit dem Computer verbunden ist und dass keine andere Anwendung diese Schnittstelle verwendet.  Die besten Ergebnisse erzielen Sie, wenn Sie alle anderen Anwendungen schließen.</translation>
    </message>
    <message id="37061">
        <source>Initiating download</source>
        <extracomment>InitiatingDownload</extracomment>
        <translation>Herunterladen wird gestartet</translation>
    </message>
    <message id="37062">
        <source>Could not get data from device</source>
        <extracomment>CouldNotGetData</extracomment>
        <translation>Vom Gerät konnten keine Daten abgerufen werden</translation>
    </message>
    <message id="38024">
        <source>Reading the data from the device</source>
        <extracomment>ReadingFromDevice</extracomment>
        <translation>Daten werden vom Gerät gelesen</translation>
    </message>
    <message id="38025">
        <source>Download successful</source>
        <extracomment>DownloadSuccessful</extracomment>
        <translation>Herunterladen erfolgreich</translation>
    </message>
    <message id="38030">
        <source>Probing COM%1</source>
        <extracomment>ProbingPort</extracomment>
        <translation>COM%1 wird geprüft</translation>
    </message>
    <message id="45013">
        <source>No test data found in the download</source>
        <extracomment>NoTestDataInDownload</extracomment>
        <translation>Die heruntergeladenen Daten enthalten keine Messergebnisse</translation>
    </message>
    <message id="45130">
        <source>Readings left out: %1 (a Corvina link holds at most three wavelengths).</source>
        <extracomment>CorvinaReadingsBeyondThreeWavelengths</extracomment>
        <translation>Ausgelassene Messwerte: %1 (ein Corvina-Link umfasst höchstens drei Wellenlängen).</translation>
    </message>
    <message id="45131">
        <source>The readings end at a wavelength of %1 nm, outside 1 to 9999 nm; the rest of the download was not read.</source>
        <extracomment>CorvinaWavelengthOutOfRange</extracomment>
        <translation>Die Messwerte enden bei einer Wellenlänge von %1 nm, außerhalb von 1 bis 9999 nm; der Rest des Downloads wurde nicht gelesen.</translation>
    </message>
    <message id="45132">
        <source>The readings end before the end of the download; what follows them was not read.</source>
        <extracomment>CorvinaDataAfterReadings</extracomment>
        <translation>Die Messwerte enden vor dem Ende des Downloads; was danach folgt, wurde nicht gelesen.</translation>
    </message>
    <message id="45133">
        <source>The meter&apos;s header line in the download cannot be read; nothing was imported.</source>
        <extracomment>CorvinaHeaderUnreadable</extracomment>
        <translation>Die Kopfzeile des Messgeräts im Download kann nicht gelesen werden; es wurde nichts importiert.</translation>
    </message>
    <message id="45134">
        <source>The calibration date &apos;%1&apos; in the download cannot be read; nothing was imported.</source>
        <extracomment>CorvinaCalibrationDateUnreadable</extracomment>
        <translation>Das Kalibrierdatum &apos;%1&apos; im Download kann nicht gelesen werden; es wurde nichts importiert.</translation>
    </message>
    <message id="45135">
        <source>A Corvina download needs the link data (standard, length, organization, link name), and they cannot be asked for here; nothing was imported.</source>
        <extracomment>CorvinaNeedsLinkData</extracomment>
        <translation>Ein Corvina-Download braucht die Link-Daten (Norm, Länge, Organisation, Link-Name), und sie können hier nicht erfragt werden; es wurde nichts importiert.</translation>
    </message>
    <message id="45136">
        <source>The link name must have 1 to %1 characters.</source>
        <extracomment>LinkNameInvalid</extracomment>
        <translation>Der Link-Name muss 1 bis %1 Zeichen haben.</translation>
    </message>
    <message id="45137">
        <source>The organization&apos;s name must have 1 to %1 characters.</source>
        <extracomment>OrganizationNameInvalid</extracomment>
        <translation>Der Name der Organisation muss 1 bis %1 Zeichen haben.</translation>
    </message>
    <message id="45138">
        <source>The telephone number may have at most %1 characters.</source>
        <extracomment>TelephoneTooLong</extracomment>
        <translation>Die Telefonnummer darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message id="45140">
        <source>The number of connector pairs must be a whole number from 0 to %1.</source>
        <extracomment>ConnectorPairsInvalid</extracomment>
        <translation>Die Anzahl der Steckverbinderpaare muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message id="45141">
        <source>The number of splices must be a whole number from 0 to %1.</source>
        <extracomment>SplicesInvalid</extracomment>
        <translation>Die Anzahl der Spleiße muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message id="45142">
        <source>The fiber type must be one of the four types (0 to 3).</source>
        <extracomment>FiberTypeInvalid</extracomment>
        <translation>Der Fasertyp muss einer der vier Typen sein (0 bis 3).</translation>
    </message>
    <message id="45143">
        <source>No standard is chosen for the link.</source>
        <extracomment>StandardNumberInvalid</extracomment>
        <translation>Für den Link ist keine Norm gewählt.</translation>
    </message>
    <message id="45015">
        <source>Fibers left out: %1 (the download holds no link record for them).</source>
        <extracomment>ImportFibersWithoutLink</extracomment>
        <translation>Ausgelassene Fasern: %1 (der Download enthält keinen Link-Datensatz für sie).</translation>
    </message>
    <message id="45016">
        <source>Readings left out: %1 (their link has no reference power at that wavelength).</source>
        <extracomment>ImportReadingsWithoutReference</extracomment>
        <translation>Ausgelassene Messwerte: %1 (ihr Link hat bei dieser Wellenlänge keine Referenzleistung).</translation>
    </message>
    <message id="45017">
        <source>Readings left out: %1 (their column has no wavelength name).</source>
        <extracomment>ImportReadingsWithoutWavelength</extracomment>
        <translation>Ausgelassene Messwerte: %1 (ihre Spalte hat keinen Wellenlängennamen).</translation>
    </message>
    <message id="45018">
        <source>Readings left out: %1 (a link holds at most five wavelengths).</source>
        <extracomment>ImportReadingsBeyondFiveSlots</extracomment>
        <translation>Ausgelassene Messwerte: %1 (ein Link umfasst höchstens fünf Wellenlängen).</translation>
    </message>
    <message id="45019">
        <source>The shared standards file %1 could not be read: %2</source>
        <extracomment>SharedStandardsNotRead</extracomment>
        <translation>Die gemeinsame Normendatei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message id="45051">
        <source>The meter sent no data.</source>
        <extracomment>MeterSentNoData</extracomment>
        <translation>Das Messgerät hat keine Daten gesendet.</translation>
    </message>
    <message id="45053">
        <source>Readings left out: %1 (damaged: not a number).</source>
        <extracomment>ImportReadingsNotFinite</extracomment>
        <translation>Ausgelassene Messwerte: %1 (beschädigt: keine Zahl).</translation>
    </message>
    <message id="45054">
        <source>The downloaded data are kept in %1.</source>
        <extracomment>DownloadDataKeptIn</extracomment>
        <translation>Die heruntergeladenen Daten bleiben in %1 erhalten.</translation>
    </message>
    <message id="45055">
        <source>Cancelled; nothing was changed.</source>
        <extracomment>OperationCancelled</extracomment>
        <translation>Abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message id="45056">
        <source>Reading the circuits</source>
        <extracomment>ReadingCircuits</extracomment>
        <translation>Strecken werden gelesen</translation>
    </message>
    <message id="45057">
        <source>Storing the download</source>
        <extracomment>StoringDownload</extracomment>
        <translation>Download wird gespeichert</translation>
    </message>
    <message id="45058">
        <source>Saving</source>
        <extracomment>SavingFile</extracomment>
        <translation>Wird gespeichert</translation>
    </message>
    <message id="45059">
        <source>Printing page %1 of %2</source>
        <extracomment>PrintingPage</extracomment>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
    <message id="45080">
        <source>Writing the circuits</source>
        <extracomment>WritingCircuits</extracomment>
        <translation>Strecken werden geschrieben</translation>
    </message>
    <message id="45082">
        <source>The custom standards of this test database could not be read: %1</source>
        <extracomment>TestDatabaseStandardsNotRead</extracomment>
        <translation>Die benutzerdefinierten Normen dieser Messdatenbank konnten nicht gelesen werden: %1</translation>
    </message>
    <message id="45083">
        <source>Cancel</source>
        <extracomment>CancelButton</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message id="45084">
        <source>%1: this command is not built yet in this version of Fibrolog.</source>
        <extracomment>CommandNotBuiltYet</extracomment>
        <translation>%1: Dieser Befehl ist in dieser Version von Fibrolog noch nicht verfügbar.</translation>
    </message>
    <message id="45085">
        <source>%1 could not be opened: %2</source>
        <extracomment>FileOpenFailed</extracomment>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message id="45086">
        <source>Built %3 with Qt %1 and SQLCipher (SQLite %2).</source>
        <extracomment>AboutBuildLine</extracomment>
        <translation>Erstellt am %3 mit Qt %1 und SQLCipher (SQLite %2).</translation>
    </message>
    <message id="45087">
        <source>The manual &quot;%1&quot; is not installed. Put the PDF file in one of these folders:
%2</source>
        <extracomment>ManualMissing</extracomment>
        <translation>Das Handbuch &quot;%1&quot; ist nicht installiert. Legen Sie die PDF-Datei in einen dieser Ordner:
%2</translation>
    </message>
    <message id="45088">
        <source>The manual %1 could not be opened: no program to show PDF files was found.</source>
        <extracomment>ManualNotOpened</extracomment>
        <translation>Das Handbuch %1 konnte nicht geöffnet werden: Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden.</translation>
    </message>
    <message id="45089">
        <source>There is no printer to print on.</source>
        <extracomment>PrintNoPrinter</extracomment>
        <translation>Es ist kein Drucker zum Drucken vorhanden.</translation>
    </message>
    <message id="45081">
        <source>%1 has the older format of schema %2. Open it in Fibrolog, or run &quot;fibrolog-cli upgrade %1&quot;, to convert it first.</source>
        <extracomment>OlderSchemaToConvert</extracomment>
        <translation>%1 hat das ältere Format des Schemas %2. Öffnen Sie die Datei in Fibrolog oder führen Sie &quot;fibrolog-cli upgrade %1&quot; aus, um sie zuerst zu konvertieren.</translation>
    </message>
    <message id="45052">
        <source>The download is incomplete: its data end in the middle of a record. Nothing was stored; the data are kept in %1.</source>
        <extracomment>DownloadIncomplete</extracomment>
        <translation>Der Download ist unvollständig: Seine Daten enden mitten in einem Datensatz. Es wurde nichts gespeichert; die Daten bleiben in %1 erhalten.</translation>
    </message>
    <message id="37063">
        <source>Error Opening File</source>
        <extracomment>ErrorOpeningFileCaption</extracomment>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message id="37064">
        <source>Error: unable to convert to the newer file format.</source>
        <extracomment>UnableToConvert</extracomment>
        <translation>Fehler: Die Konvertierung in das neuere Dateiformat ist nicht möglich.</translation>
    </message>
    <message id="37065">
        <source>This file was either not created by this software, or was created by a newer version of the software.</source>
        <extracomment>NotCreatedBySoftware</extracomment>
        <translation>Diese Datei wurde entweder nicht mit dieser Software oder mit einer neueren Version der Software erstellt.</translation>
    </message>
    <message id="37066">
        <source>Old Database Version Detected.
You must convert the database in order to open it.
Note: older versions of the program will not work with the new version.
Do you want to convert to the New version?</source>
        <extracomment>ConvertVersion1Question</extracomment>
        <translation>Alte Datenbankversion erkannt.
Sie müssen die Datenbank konvertieren, um sie öffnen zu können.
Hinweis: Ältere Versionen des Programms funktionieren nicht mit der neuen Version.
Möchten Sie in die neue Version konvertieren?</translation>
    </message>
    <message id="37067">
        <source>Old Database Version Detected.
You must convert the database in order to open it.
Do you want to convert to the New version?</source>
        <extracomment>ConvertVersion2Question</extracomment>
        <translation>Alte Datenbankversion erkannt.
Sie müssen die Datenbank konvertieren, um sie öffnen zu können.
Möchten Sie in die neue Version konvertieren?</translation>
    </message>
    <message id="45000">
        <source>An error occurred:
</source>
        <extracomment>ErrorOccurred</extracomment>
        <translation>Ein Fehler ist aufgetreten:
</translation>
    </message>
    <message id="45001">
        <source>Error loading file</source>
        <extracomment>ErrorLoadingFileCaption</extracomment>
        <translation>Fehler beim Laden der Datei</translation>
    </message>
    <message id="45002">
        <source>Error Saving File</source>
        <extracomment>ErrorSavingFileCaption</extracomment>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message id="45003">
        <source>Error saving file</source>
        <extracomment>ErrorSavingFileOverwriteCaption</extracomment>
        <translation>Fehler beim Speichern der Datei</translation>
    </message>
    <message id="45004">
        <source>File extension needs to be .mdb</source>
        <extracomment>ExtensionMustBeMdb</extracomment>
        <translation>Die Dateiendung muss .mdb lauten</translation>
    </message>
    <message id="45005">
        <source>That file already exists.  Do you wish to overwrite this file, or merge the new data?</source>
        <extracomment>FileExistsMergeOrOverwrite</extracomment>
        <translation>Diese Datei ist bereits vorhanden.  Möchten Sie die Datei überschreiben oder die neuen Daten zusammenführen?</translation>
    </message>
    <message id="45006">
        <source>&amp;Merge</source>
        <extracomment>MergeButton</extracomment>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message id="45007">
        <source>&amp;Overwrite</source>
        <extracomment>OverwriteButton</extracomment>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message id="45008">
        <source>Unrecognized read-only database file.
Unable to save.
Please try to another filename or delete this file.</source>
        <extracomment>ReadOnlyDatabase</extracomment>
        <translation>Nicht erkannte schreibgeschützte Datenbankdatei.
Speichern nicht möglich.
Bitte versuchen Sie es mit einem anderen Dateinamen oder löschen Sie diese Datei.</translation>
    </message>
    <message id="45009">
        <source>File does not exist.</source>
        <extracomment>FileDoesNotExist</extracomment>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message id="45010">
        <source>Failed to save the file.
Please select a different filename and try again.</source>
        <extracomment>FailedToSave</extracomment>
        <translation>Die Datei konnte nicht gespeichert werden.
Bitte wählen Sie einen anderen Dateinamen und versuchen Sie es erneut.</translation>
    </message>
    <message id="45011">
        <source>The data has not yet been saved.  Save now?</source>
        <extracomment>SaveNowQuestion</extracomment>
        <translation>Die Daten wurden noch nicht gespeichert.  Jetzt speichern?</translation>
    </message>
    <message id="45012">
        <source>Save</source>
        <extracomment>SaveCaption</extracomment>
        <translation>Speichern</translation>
    </message>
    <message id="61713">
        <source>Please enter a number.</source>
        <extracomment>PleaseEnterNumber</extracomment>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message id="61716">
        <source>Please enter no more than %1 characters.</source>
        <extracomment>PleaseEnterNoMoreThan</extracomment>
        <translation>Bitte geben Sie nicht mehr als %1 Zeichen ein.</translation>
    </message>
    <message id="61719">
        <source>Please enter a positive integer.</source>
        <extracomment>PleaseEnterPositiveInteger</extracomment>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message id="45020">
        <source>Record %d of %d</source>
        <extracomment>RecordPosition</extracomment>
        <translation>Datensatz %d von %d</translation>
    </message>
    <message id="45021">
        <source>Record x of n</source>
        <extracomment>RecordPositionInitial</extracomment>
        <translation>Datensatz x von n</translation>
    </message>
    <message id="45022">
        <source>Date</source>
        <extracomment>DatePaneInitial</extracomment>
        <translation>Datum</translation>
    </message>
    <message id="45023">
        <source>Logo must be an image file</source>
        <extracomment>LogoMustBeImageOnOk</extracomment>
        <translation>Das Logo muss eine Bilddatei sein</translation>
    </message>
    <message id="45024">
        <source>Display this image on all printed reports?</source>
        <extracomment>DisplayLogoQuestion</extracomment>
        <translation>Dieses Bild auf allen gedruckten Berichten anzeigen?</translation>
    </message>
    <message id="45025">
        <source>Error Initializing Languages.
Please re-install.</source>
        <extracomment>ErrorInitializingLanguages</extracomment>
        <translation>Fehler beim Initialisieren der Sprachen.
Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message id="45026">
        <source>Fibrolog - Logo Settings</source>
        <extracomment>LogoSettingsCaption</extracomment>
        <translation>Fibrolog - Logo-Einstellungen</translation>
    </message>
    <message id="45027">
        <source>This logo will be displayed on all reports printed from Fibrolog</source>
        <extracomment>LogoSettingsText</extracomment>
        <translation>Dieses Logo erscheint auf allen Berichten, die mit Fibrolog gedruckt werden</translation>
    </message>
    <message id="45028">
        <source>Use Default</source>
        <extracomment>LogoUseDefault</extracomment>
        <translation>Standardlogo verwenden</translation>
    </message>
    <message id="45029">
        <source>...</source>
        <extracomment>LogoBrowse</extracomment>
        <translation>...</translation>
    </message>
    <message id="45030">
        <source>The file could not be loaded as an image.</source>
        <extracomment>LogoCannotLoad</extracomment>
        <translation>Die Datei konnte nicht als Bild geladen werden.</translation>
    </message>
    <message id="40541">
        <source>Images (%1)</source>
        <extracomment>LogoImageFilter</extracomment>
        <translation>Bilder (%1)</translation>
    </message>
    <message id="40542">
        <source>The logo must be an image file</source>
        <extracomment>LogoMustBeImage</extracomment>
        <translation>Das Logo muss eine Bilddatei sein</translation>
    </message>
    <message id="45031">
        <source>Choose your Language</source>
        <extracomment>ChooseLanguageCaption</extracomment>
        <translation>Sprache auswählen</translation>
    </message>
    <message id="45032">
        <source>About Fibrolog</source>
        <extracomment>AboutCaption</extracomment>
        <translation>Info über Fibrolog</translation>
    </message>
    <message id="45033">
        <source>Fibrolog Version 2.9.1</source>
        <extracomment>AboutVersion</extracomment>
        <translation>Fibrolog Version 2.9.1</translation>
    </message>
    <message id="45034">
        <source>New Company </source>
        <extracomment>NewCompanyCaption</extracomment>
        <translation>Neue Firma </translation>
    </message>
    <message id="45035">
        <source>Create a new certifying Organization</source>
        <extracomment>NewCompanyText</extracomment>
        <translation>Eine neue zertifizierende Organisation anlegen</translation>
    </message>
    <message id="45036">
        <source>Organization</source>
        <extracomment>NewCompanyOrganization</extracomment>
        <translation>Organisation</translation>
    </message>
    <message id="45037">
        <source>Telephone</source>
        <extracomment>NewCompanyTelephone</extracomment>
        <translation>Telefon</translation>
    </message>
    <message id="45040">
        <source>No Data Loaded</source>
        <extracomment>NoDataLoaded</extracomment>
        <translation>Keine Daten geladen</translation>
    </message>
    <message id="45041">
        <source>Fibrolog: Delete Confirmation</source>
        <extracomment>DeleteConfirmCaption</extracomment>
        <translation>Fibrolog: Löschen bestätigen</translation>
    </message>
    <message id="45042">
        <source>You are about to permanently delete the information about the current fiber.  Are you sure you wish to do so?</source>
        <extracomment>DeleteConfirmText</extracomment>
        <translation>Sie sind dabei, die Informationen über die aktuelle Faser endgültig zu löschen.  Möchten Sie das wirklich tun?</translation>
    </message>
    <message id="45043">
        <source>Do not ask me this again</source>
        <extracomment>DeleteDoNotAskAgain</extracomment>
        <translation>Diese Frage nicht mehr stellen</translation>
    </message>
    <message id="45044">
        <source>Fiber Length (in feet)</source>
        <extracomment>LengthCaptionFeet</extracomment>
        <translation>Faserlänge (in Fuß)</translation>
    </message>
    <message id="45045">
        <source>Fiber Length (in kilometers)</source>
        <extracomment>LengthCaptionKilometers</extracomment>
        <translation>Faserlänge (in Kilometern)</translation>
    </message>
    <message id="45046">
        <source>Circuit Characteristics</source>
        <extracomment>CircuitCharacteristicsGroup</extracomment>
        <translation>Streckenmerkmale</translation>
    </message>
    <message id="45047">
        <source>Circuit Test Results</source>
        <extracomment>CircuitTestResultsGroup</extracomment>
        <translation>Messergebnisse der Strecke</translation>
    </message>
    <message id="45048">
        <source>Circuit Results Summary</source>
        <extracomment>CircuitResultsSummaryGroup</extracomment>
        <translation>Übersicht der Streckenergebnisse</translation>
    </message>
    <message id="34000">
        <source>Passive Cable System Attentuation</source>
        <extracomment>ViewResultsTitle</extracomment>
        <translation>Dämpfung der passiven Kabelanlage</translation>
    </message>
    <message id="34001">
        <source> </source>
        <extracomment>ViewResultsTitleReturnLoss</extracomment>
        <translation> </translation>
    </message>
    <message id="36002">
        <source>-</source>
        <extracomment>ViewCableTypeNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="36005">
        <source>%.0f</source>
        <extracomment>ViewLengthFeetFormat</extracomment>
        <translation>%.0f</translation>
    </message>
    <message id="36006">
        <source>%1</source>
        <extracomment>ViewLengthFeetTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="36007">
        <source>%.2f</source>
        <extracomment>ViewLengthKmFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="36008">
        <source>%1</source>
        <extracomment>ViewLengthKmTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="36009">
        <source>-</source>
        <extracomment>ViewLengthNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="36012">
        <source>%d</source>
        <extracomment>ViewSplicesFormat</extracomment>
        <translation>%d</translation>
    </message>
    <message id="36013">
        <source>%1</source>
        <extracomment>ViewSplicesTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="36500">
        <source>Total Allowable System Loss</source>
        <extracomment>ViewRowTotalAllowableLoss</extracomment>
        <translation>Zulässige Gesamtdämpfung</translation>
    </message>
    <message id="36501">
        <source> </source>
        <extracomment>ViewRowBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="36502">
        <source>Connector Loss</source>
        <extracomment>ViewRowConnectorLoss</extracomment>
        <translation>Steckverbinderdämpfung</translation>
    </message>
    <message id="36503">
        <source>Fiber Loss</source>
        <extracomment>ViewRowFiberLoss</extracomment>
        <translation>Faserdämpfung</translation>
    </message>
    <message id="36504">
        <source>Light Source Reference Power</source>
        <extracomment>ViewRowLightSourceReference</extracomment>
        <translation>Referenzleistung der Lichtquelle</translation>
    </message>
    <message id="36505">
        <source>Measured Power</source>
        <extracomment>ViewRowMeasuredPower</extracomment>
        <translation>Gemessene Leistung</translation>
    </message>
    <message id="36506">
        <source>System Reference Power</source>
        <extracomment>ViewRowSystemReference</extracomment>
        <translation>Referenzleistung des Systems</translation>
    </message>
    <message id="36507">
        <source>Operating Margin</source>
        <extracomment>ViewRowOperatingMargin</extracomment>
        <translation>Betriebsreserve</translation>
    </message>
    <message id="36508">
        <source>Operating Margin %</source>
        <extracomment>ViewRowOperatingMarginPercent</extracomment>
        <translation>Betriebsreserve %</translation>
    </message>
    <message id="36509">
        <source>Pass/Fail</source>
        <extracomment>ViewRowPassFail</extracomment>
        <translation>Bewertung</translation>
    </message>
    <message id="36510">
        <source>Required Return Loss</source>
        <extracomment>ViewRowRequiredReturnLoss</extracomment>
        <translation>Geforderte Rückflussdämpfung</translation>
    </message>
    <message id="36511">
        <source>Return Loss</source>
        <extracomment>ViewRowReturnLoss</extracomment>
        <translation>Rückflussdämpfung</translation>
    </message>
    <message id="36512">
        <source>Splice Loss</source>
        <extracomment>ViewRowSpliceLoss</extracomment>
        <translation>Spleißdämpfung</translation>
    </message>
    <message id="36513">
        <source>System Overhead</source>
        <extracomment>ViewRowSystemOverhead</extracomment>
        <translation>Systemreserve</translation>
    </message>
    <message id="36700">
        <source>-</source>
        <extracomment>ViewCellNotApplicable</extracomment>
        <translation>-</translation>
    </message>
    <message id="36000">
        <source>%.2f</source>
        <extracomment>ViewAllowedLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="36001">
        <source>%1dB</source>
        <extracomment>ViewAllowedLossTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="36003">
        <source>%.2f</source>
        <extracomment>ViewConnectorAllowanceFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="36004">
        <source>%1dB</source>
        <extracomment>ViewConnectorAllowanceTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="36010">
        <source>%.2f</source>
        <extracomment>ViewFiberAllowanceFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="36011">
        <source>%1dB</source>
        <extracomment>ViewFiberAllowanceTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37000">
        <source>%.2f</source>
        <extracomment>ViewReferenceFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37001">
        <source>%1dBm</source>
        <extracomment>ViewReferenceTemplate</extracomment>
        <translation>%1dBm</translation>
    </message>
    <message id="37002">
        <source>%.2f</source>
        <extracomment>ViewMeasuredFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37003">
        <source>%1dBm</source>
        <extracomment>ViewMeasuredTemplate</extracomment>
        <translation>%1dBm</translation>
    </message>
    <message id="37004">
        <source>%.2f</source>
        <extracomment>ViewSystemReferenceFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37005">
        <source>%1dBm</source>
        <extracomment>ViewSystemReferenceTemplate</extracomment>
        <translation>%1dBm</translation>
    </message>
    <message id="37006">
        <source> </source>
        <extracomment>ViewCellBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="37007">
        <source> </source>
        <extracomment>ViewWavelengthHeadBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="37014">
        <source>Optical Loss</source>
        <extracomment>ViewRowOpticalLoss</extracomment>
        <translation>Optische Dämpfung</translation>
    </message>
    <message id="37015">
        <source>%.2f</source>
        <extracomment>ViewOpticalLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37016">
        <source>%1dB</source>
        <extracomment>ViewOpticalLossTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37017">
        <source>%d</source>
        <extracomment>ViewConnectorPairsFormat</extracomment>
        <translation>%d</translation>
    </message>
    <message id="37018">
        <source>%1</source>
        <extracomment>ViewConnectorPairsTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="37019">
        <source>-</source>
        <extracomment>ViewConnectorPairsNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="37020">
        <source>Fail</source>
        <extracomment>ViewVerdictFail</extracomment>
        <translation>n.i.O.</translation>
    </message>
    <message id="37021">
        <source>Note1</source>
        <extracomment>ViewVerdictNote1</extracomment>
        <translation>Anm.1</translation>
    </message>
    <message id="37023">
        <source>Note2</source>
        <extracomment>ViewVerdictNote2</extracomment>
        <translation>Anm.2</translation>
    </message>
    <message id="37024">
        <source>Note3</source>
        <extracomment>ViewVerdictNote3</extracomment>
        <translation>Anm.3</translation>
    </message>
    <message id="37026">
        <source>Pass</source>
        <extracomment>ViewVerdictPass</extracomment>
        <translation>i.O.</translation>
    </message>
    <message id="37027">
        <source>-</source>
        <extracomment>ViewVerdictOther</extracomment>
        <translation>-</translation>
    </message>
    <message id="37033">
        <source>%.2f</source>
        <extracomment>ViewReturnLossNegativeFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37034">
        <source>%.2f</source>
        <extracomment>ViewReturnLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37035">
        <source>( %1dB )</source>
        <extracomment>ViewReturnLossNegativeTemplate</extracomment>
        <translation>( %1dB )</translation>
    </message>
    <message id="37036">
        <source>%1dB</source>
        <extracomment>ViewReturnLossTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37037">
        <source>%.2f</source>
        <extracomment>ViewSpliceAllowanceFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37038">
        <source>%1dB</source>
        <extracomment>ViewSpliceAllowanceTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37039">
        <source>-</source>
        <extracomment>ViewSplicesNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="37055">
        <source>%.2f</source>
        <extracomment>ViewOverheadFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37056">
        <source>%1dB</source>
        <extracomment>ViewOverheadTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37057">
        <source>%.1f</source>
        <extracomment>TemperatureFormat</extracomment>
        <translation>%.1f</translation>
    </message>
    <message id="37058">
        <source>%1 F</source>
        <extracomment>TemperatureTemplate</extracomment>
        <translation>%1 F</translation>
    </message>
    <message id="37059">
        <source>-</source>
        <extracomment>TemperatureNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="37060">
        <source>User defined link budget</source>
        <extracomment>UserDefinedLinkBudget</extracomment>
        <translation>Benutzerdefiniertes Dämpfungsbudget</translation>
    </message>
    <message id="39003">
        <source>Note2</source>
        <extracomment>SummaryVerdictNote2</extracomment>
        <translation>Anm.2</translation>
    </message>
    <message id="39004">
        <source>Note3</source>
        <extracomment>SummaryVerdictNote3</extracomment>
        <translation>Anm.3</translation>
    </message>
    <message id="40527">
        <source> </source>
        <extracomment>SummaryCellBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="40528">
        <source> </source>
        <extracomment>SummaryHeadBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="40529">
        <source>Fail</source>
        <extracomment>SummaryVerdictFail</extracomment>
        <translation>n.i.O.</translation>
    </message>
    <message id="40532">
        <source>%1   :   %2</source>
        <extracomment>SummaryRowCaption</extracomment>
        <translation>%1   :   %2</translation>
    </message>
    <message id="40533">
        <source>Circuit Results Summary - Optical Loss</source>
        <extracomment>SummaryTitleOpticalLoss</extracomment>
        <translation>Übersicht der Streckenergebnisse - Optische Dämpfung</translation>
    </message>
    <message id="40534">
        <source>-</source>
        <extracomment>SummaryCellNoMeasurement</extracomment>
        <translation>-</translation>
    </message>
    <message id="40535">
        <source>Note1</source>
        <extracomment>SummaryVerdictNote1</extracomment>
        <translation>Anm.1</translation>
    </message>
    <message id="40536">
        <source>Pass</source>
        <extracomment>SummaryVerdictPass</extracomment>
        <translation>i.O.</translation>
    </message>
    <message id="40539">
        <source>Circuit Results Summary - PASS/FAIL</source>
        <extracomment>SummaryTitlePassFail</extracomment>
        <translation>Übersicht der Streckenergebnisse - BEWERTUNG</translation>
    </message>
    <message id="40540">
        <source>Circuit Results Summary - System Overhead</source>
        <extracomment>SummaryTitleOverhead</extracomment>
        <translation>Übersicht der Streckenergebnisse - Systemreserve</translation>
    </message>
    <message id="35000">
        <source>Brannock Metering, 1200 Harbour Road, Port Alder, BC V0N 1A0, Canada</source>
        <extracomment>DetailVendorAddress</extracomment>
        <translation>Brannock Metering, 1200 Harbour Road, Port Alder, BC V0N 1A0, Canada</translation>
    </message>
    <message id="35001">
        <source>		Total Allowable System Loss</source>
        <extracomment>DetailRowTotalAllowableLoss</extracomment>
        <translation>		Zulässige Gesamtdämpfung</translation>
    </message>
    <message id="35002">
        <source> </source>
        <extracomment>DetailRowBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="35003">
        <source>Cable Type:</source>
        <extracomment>DetailCableType</extracomment>
        <translation>Kabeltyp:</translation>
    </message>
    <message id="35004">
        <source>Calibration Date:</source>
        <extracomment>DetailCalibrationDate</extracomment>
        <translation>Kalibrierdatum:</translation>
    </message>
    <message id="35005">
        <source>Circuit Characteristics</source>
        <extracomment>DetailCircuitCharacteristics</extracomment>
        <translation>Streckenmerkmale</translation>
    </message>
    <message id="35006">
        <source>Circuit Detail Report</source>
        <extracomment>DetailTitle</extracomment>
        <translation>Detailbericht der Strecke</translation>
    </message>
    <message id="35007">
        <source>Circuit ID:</source>
        <extracomment>DetailCircuitId</extracomment>
        <translation>Strecken-ID:</translation>
    </message>
    <message id="35008">
        <source>Circuit Test Results</source>
        <extracomment>DetailCircuitTestResults</extracomment>
        <translation>Messergebnisse der Strecke</translation>
    </message>
    <message id="35009">
        <source>Company Name:</source>
        <extracomment>DetailCompanyName</extracomment>
        <translation>Firmenname:</translation>
    </message>
    <message id="35010">
        <source>		Connector Loss</source>
        <extracomment>DetailRowConnectorLoss</extracomment>
        <translation>		Steckverbinderdämpfung</translation>
    </message>
    <message id="35011">
        <source>Brannock Metering</source>
        <extracomment>DetailVendorNameX</extracomment>
        <translation>Brannock Metering</translation>
    </message>
    <message id="35012">
        <source>Fiber Length (in feet):</source>
        <extracomment>DetailLengthFeet</extracomment>
        <translation>Faserlänge (in Fuß):</translation>
    </message>
    <message id="35013">
        <source>Fiber Length (in kilometers):</source>
        <extracomment>DetailLengthKilometers</extracomment>
        <translation>Faserlänge (in Kilometern):</translation>
    </message>
    <message id="35014">
        <source>		Fiber Loss</source>
        <extracomment>DetailRowFiberLoss</extracomment>
        <translation>		Faserdämpfung</translation>
    </message>
    <message id="35015">
        <source>		Light Source Reference Power</source>
        <extracomment>DetailRowLightSourceReference</extracomment>
        <translation>		Referenzleistung der Lichtquelle</translation>
    </message>
    <message id="35016">
        <source>Link Comment:</source>
        <extracomment>DetailLinkComment</extracomment>
        <translation>Link-Kommentar:</translation>
    </message>
    <message id="35017">
        <source>Link ID:</source>
        <extracomment>DetailLinkId</extracomment>
        <translation>Link-ID:</translation>
    </message>
    <message id="35018">
        <source>			Measured Power</source>
        <extracomment>DetailRowMeasuredPower</extracomment>
        <translation>			Gemessene Leistung</translation>
    </message>
    <message id="35019">
        <source>Meter Type:</source>
        <extracomment>DetailMeterType</extracomment>
        <translation>Messgerätetyp:</translation>
    </message>
    <message id="35020">
        <source>			Minimum Required Power</source>
        <extracomment>DetailRowMinimumRequiredPower</extracomment>
        <translation>			Erforderliche Mindestleistung</translation>
    </message>
    <message id="35021">
        <source>Number of Connector Pairs:</source>
        <extracomment>DetailConnectorPairs</extracomment>
        <translation>Anzahl Steckverbinderpaare:</translation>
    </message>
    <message id="35022">
        <source>Number of Splices:</source>
        <extracomment>DetailSplices</extracomment>
        <translation>Anzahl Spleiße:</translation>
    </message>
    <message id="35023">
        <source>			Operating Margin</source>
        <extracomment>DetailRowOperatingMargin</extracomment>
        <translation>			Betriebsreserve</translation>
    </message>
    <message id="35024">
        <source>			Operating Margin %</source>
        <extracomment>DetailRowOperatingMarginPercent</extracomment>
        <translation>			Betriebsreserve %</translation>
    </message>
    <message id="35025">
        <source>			Optical Loss</source>
        <extracomment>DetailRowOpticalLoss</extracomment>
        <translation>			Optische Dämpfung</translation>
    </message>
    <message id="35026">
        <source>Halvard Photonics</source>
        <extracomment>DetailVendorName</extracomment>
        <translation>Halvard Photonics</translation>
    </message>
    <message id="35027">
        <source>Page:</source>
        <extracomment>DetailPage</extracomment>
        <translation>Seite:</translation>
    </message>
    <message id="35028">
        <source>			Pass/Fail</source>
        <extracomment>DetailRowPassFail</extracomment>
        <translation>			Bewertung</translation>
    </message>
    <message id="35029">
        <source>	Passive Cable System Attenuation</source>
        <extracomment>DetailResultsCaption</extracomment>
        <translation>	Dämpfung der passiven Kabelanlage</translation>
    </message>
    <message id="35030">
        <source>Report Date:</source>
        <extracomment>DetailReportDate</extracomment>
        <translation>Berichtsdatum:</translation>
    </message>
    <message id="35031">
        <source>		Total Required Return Loss</source>
        <extracomment>DetailRowTotalRequiredReturnLoss</extracomment>
        <translation>		Geforderte Rückflussdämpfung gesamt</translation>
    </message>
    <message id="35032">
        <source>			Return Loss</source>
        <extracomment>DetailRowReturnLoss</extracomment>
        <translation>			Rückflussdämpfung</translation>
    </message>
    <message id="35033">
        <source>Serial Number:</source>
        <extracomment>DetailSerialNumber</extracomment>
        <translation>Seriennummer:</translation>
    </message>
    <message id="35034">
        <source>Software Version:</source>
        <extracomment>DetailSoftwareVersion</extracomment>
        <translation>Softwareversion:</translation>
    </message>
    <message id="35035">
        <source>		Splice Loss</source>
        <extracomment>DetailRowSpliceLoss</extracomment>
        <translation>		Spleißdämpfung</translation>
    </message>
    <message id="35036">
        <source>Standard:</source>
        <extracomment>DetailStandard</extracomment>
        <translation>Norm:</translation>
    </message>
    <message id="35037">
        <source>			System Overhead</source>
        <extracomment>DetailRowSystemOverhead</extracomment>
        <translation>			Systemreserve</translation>
    </message>
    <message id="35038">
        <source>Telephone Number:</source>
        <extracomment>DetailTelephone</extracomment>
        <translation>Telefonnummer:</translation>
    </message>
    <message id="35039">
        <source>Temperature:</source>
        <extracomment>DetailTemperature</extracomment>
        <translation>Temperatur:</translation>
    </message>
    <message id="35040">
        <source>Date of test:</source>
        <extracomment>DetailDateOfTest</extracomment>
        <translation>Messdatum:</translation>
    </message>
    <message id="35500">
        <source>%.2f</source>
        <extracomment>DetailOpticalLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="35501">
        <source>%1 dB</source>
        <extracomment>DetailOpticalLossTemplate</extracomment>
        <translation>%1 dB</translation>
    </message>
    <message id="35502">
        <source>** Invalid Operating Margin</source>
        <extracomment>DetailInvalidMarginNote</extracomment>
        <translation>** Ungültige Betriebsreserve</translation>
    </message>
    <message id="35503">
        <source>*1 - Manually set reference</source>
        <extracomment>DetailNote1</extracomment>
        <translation>*1 - Referenz manuell gesetzt</translation>
    </message>
    <message id="35504">
        <source>*2 - Fiber type mismatch</source>
        <extracomment>DetailNote2</extracomment>
        <translation>*2 - Fasertyp stimmt nicht überein</translation>
    </message>
    <message id="35505">
        <source>*3 - Not covered by TIA standard</source>
        <extracomment>DetailNote3</extracomment>
        <translation>*3 - Nicht durch TIA-Norm abgedeckt</translation>
    </message>
    <message id="35506">
        <source> </source>
        <extracomment>DetailVerdictBeyondSlots</extracomment>
        <translation> </translation>
    </message>
    <message id="35507">
        <source>Fail</source>
        <extracomment>DetailVerdictFail</extracomment>
        <translation>n.i.O.</translation>
    </message>
    <message id="35508">
        <source>Note1</source>
        <extracomment>DetailVerdictNote1</extracomment>
        <translation>Anm.1</translation>
    </message>
    <message id="35509">
        <source>-</source>
        <extracomment>DetailVerdictNotMeasured</extracomment>
        <translation>-</translation>
    </message>
    <message id="35510">
        <source>Note2</source>
        <extracomment>DetailVerdictNote2</extracomment>
        <translation>Anm.2</translation>
    </message>
    <message id="35511">
        <source>Note3</source>
        <extracomment>DetailVerdictNote3</extracomment>
        <translation>Anm.3</translation>
    </message>
    <message id="35512">
        <source>Pass</source>
        <extracomment>DetailVerdictPass</extracomment>
        <translation>i.O.</translation>
    </message>
    <message id="35513">
        <source>-</source>
        <extracomment>DetailVerdictOther</extracomment>
        <translation>-</translation>
    </message>
    <message id="37008">
        <source>%.2f</source>
        <extracomment>DetailMarginPercentFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37009">
        <source>%.2f</source>
        <extracomment>DetailMarginPercentFloorFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37010">
        <source>%.2f</source>
        <extracomment>DetailMarginPercentInvalidFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37011">
        <source>%1%%</source>
        <extracomment>DetailMarginPercentTemplate</extracomment>
        <translation>%1%%</translation>
    </message>
    <message id="37012">
        <source>%1%%</source>
        <extracomment>DetailMarginPercentFloorTemplate</extracomment>
        <translation>%1%%</translation>
    </message>
    <message id="37013">
        <source>%1%%**</source>
        <extracomment>DetailMarginPercentInvalidTemplate</extracomment>
        <translation>%1%%**</translation>
    </message>
    <message id="37029">
        <source>%.2f</source>
        <extracomment>DetailReturnLossNegativeFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37030">
        <source>%.2f</source>
        <extracomment>DetailReturnLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="37031">
        <source>%1dB</source>
        <extracomment>DetailReturnLossNegativeTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="37032">
        <source>%1dB</source>
        <extracomment>DetailReturnLossTemplate</extracomment>
        <translation>%1dB</translation>
    </message>
    <message id="38004">
        <source>Date:</source>
        <extracomment>FooterCustomerDate</extracomment>
        <translation>Datum:</translation>
    </message>
    <message id="38005">
        <source>Customer:</source>
        <extracomment>FooterCustomer</extracomment>
        <translation>Kunde:</translation>
    </message>
    <message id="38009">
        <source>Arial</source>
        <extracomment>ReportFontFace</extracomment>
        <translation>Arial</translation>
    </message>
    <message id="38010">
        <source>Date:</source>
        <extracomment>FooterInstallerDate</extracomment>
        <translation>Datum:</translation>
    </message>
    <message id="38011">
        <source>Installer/Tester:</source>
        <extracomment>FooterInstaller</extracomment>
        <translation>Installateur/Prüfer:</translation>
    </message>
    <message id="40000">
        <source> </source>
        <extracomment>SummaryReportHeadBlankLoss</extracomment>
        <translation> </translation>
    </message>
    <message id="40001">
        <source>Circuit ID</source>
        <extracomment>SummaryReportCircuitId</extracomment>
        <translation>Strecken-ID</translation>
    </message>
    <message id="40002">
        <source>Company Name:</source>
        <extracomment>SummaryReportCompanyName</extracomment>
        <translation>Firmenname:</translation>
    </message>
    <message id="40004">
        <source>Link ID:</source>
        <extracomment>SummaryReportLinkId</extracomment>
        <translation>Link-ID:</translation>
    </message>
    <message id="40005">
        <source>Page:</source>
        <extracomment>SummaryReportPage</extracomment>
        <translation>Seite:</translation>
    </message>
    <message id="40007">
        <source>Report Date:</source>
        <extracomment>SummaryReportReportDate</extracomment>
        <translation>Berichtsdatum:</translation>
    </message>
    <message id="40008">
        <source>Telephone Number:</source>
        <extracomment>SummaryReportTelephone</extracomment>
        <translation>Telefonnummer:</translation>
    </message>
    <message id="38002">
        <source>Circuit Summary Report</source>
        <extracomment>SummaryReportTitle</extracomment>
        <translation>Übersichtsbericht der Strecken</translation>
    </message>
    <message id="38008">
        <source>Brannock Metering</source>
        <extracomment>SummaryReportVendorNameX</extracomment>
        <translation>Brannock Metering</translation>
    </message>
    <message id="38015">
        <source>Halvard Photonics</source>
        <extracomment>SummaryReportVendorName</extracomment>
        <translation>Halvard Photonics</translation>
    </message>
    <message id="38019">
        <source>%.2f</source>
        <extracomment>SummaryReportReturnLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="38020">
        <source>%1</source>
        <extracomment>SummaryReportReturnLossTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="40500">
        <source> </source>
        <extracomment>SummaryReportLossBeyondSlots</extracomment>
        <translation> </translation>
    </message>
    <message id="40501">
        <source>%.2f</source>
        <extracomment>SummaryReportLossFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="40502">
        <source>%1</source>
        <extracomment>SummaryReportLossTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="40503">
        <source>Loss (dB)</source>
        <extracomment>SummaryReportLossHead</extracomment>
        <translation>Dämpfung (dB)</translation>
    </message>
    <message id="40504">
        <source> </source>
        <extracomment>SummaryReportHeadBlank</extracomment>
        <translation> </translation>
    </message>
    <message id="40505">
        <source>*1 - Manually set reference</source>
        <extracomment>SummaryReportNote1</extracomment>
        <translation>*1 - Referenz manuell gesetzt</translation>
    </message>
    <message id="40506">
        <source>*2 - Fiber type mismatch</source>
        <extracomment>SummaryReportNote2</extracomment>
        <translation>*2 - Fasertyp stimmt nicht überein</translation>
    </message>
    <message id="40507">
        <source>*3 - Not covered by TIA standard</source>
        <extracomment>SummaryReportNote3</extracomment>
        <translation>*3 - Nicht durch TIA-Norm abgedeckt</translation>
    </message>
    <message id="40508">
        <source>ORL (dB)</source>
        <extracomment>SummaryReportOrlHead</extracomment>
        <translation>ORL (dB)</translation>
    </message>
    <message id="40509">
        <source>O/H (dB)</source>
        <extracomment>SummaryReportOverheadHead</extracomment>
        <translation>Res. (dB)</translation>
    </message>
    <message id="40510">
        <source>Fail</source>
        <extracomment>SummaryReportVerdictFail</extracomment>
        <translation>n.i.O.</translation>
    </message>
    <message id="40511">
        <source>P/F</source>
        <extracomment>SummaryReportVerdictHead</extracomment>
        <translation>Bew.</translation>
    </message>
    <message id="40512">
        <source>Note1</source>
        <extracomment>SummaryReportVerdictNote1</extracomment>
        <translation>Anm.1</translation>
    </message>
    <message id="40513">
        <source>Note2</source>
        <extracomment>SummaryReportVerdictNote2</extracomment>
        <translation>Anm.2</translation>
    </message>
    <message id="40514">
        <source>Note3</source>
        <extracomment>SummaryReportVerdictNote3</extracomment>
        <translation>Anm.3</translation>
    </message>
    <message id="40515">
        <source>Pass</source>
        <extracomment>SummaryReportVerdictPass</extracomment>
        <translation>i.O.</translation>
    </message>
    <message id="40516">
        <source>-</source>
        <extracomment>SummaryReportVerdictOther</extracomment>
        <translation>-</translation>
    </message>
    <message id="40517">
        <source> </source>
        <extracomment>SummaryReportVerdictBeyondSlots</extracomment>
        <translation> </translation>
    </message>
    <message id="40518">
        <source>-</source>
        <extracomment>SummaryReportVerdictNotMeasured</extracomment>
        <translation>-</translation>
    </message>
    <message id="40519">
        <source> </source>
        <extracomment>SummaryReportOrlBeyondSlots</extracomment>
        <translation> </translation>
    </message>
    <message id="40520">
        <source>-</source>
        <extracomment>SummaryReportOrlNotReturnLossOnly</extracomment>
        <translation>-</translation>
    </message>
    <message id="40521">
        <source> </source>
        <extracomment>SummaryReportOverheadBeyondSlots</extracomment>
        <translation> </translation>
    </message>
    <message id="40522">
        <source>%.2f</source>
        <extracomment>SummaryReportOverheadFormat</extracomment>
        <translation>%.2f</translation>
    </message>
    <message id="40523">
        <source>%1</source>
        <extracomment>SummaryReportOverheadTemplate</extracomment>
        <translation>%1</translation>
    </message>
    <message id="40524">
        <source>-</source>
        <extracomment>SummaryReportOverheadNone</extracomment>
        <translation>-</translation>
    </message>
    <message id="45050">
        <source>-</source>
        <extracomment>SummaryReportLossNotMeasured</extracomment>
        <translation>-</translation>
    </message>
    <message id="46000">
        <source>Loss Wizard</source>
        <extracomment>LossWizardCaption</extracomment>
        <translation>Dämpfungs-Assistent</translation>
    </message>
    <message id="32778">
        <source>Precalculate acceptable loss thresholds
Loss Wizard</source>
        <extracomment>LossWizardPrompt</extracomment>
        <translation>Zulässige Dämpfungsgrenzwerte vorab berechnen
Dämpfungs-Assistent</translation>
    </message>
    <message id="32794">
        <source>Create a custom standard
Standard Wizard</source>
        <extracomment>StandardWizardPrompt</extracomment>
        <translation>Eine benutzerdefinierte Norm anlegen
Normen-Assistent</translation>
    </message>
    <message id="46001">
        <source>Link Wizard - Standard Selection</source>
        <extracomment>WizardStandardSelectionCaption</extracomment>
        <translation>Link-Assistent - Normauswahl</translation>
    </message>
    <message id="46002">
        <source>Link Wizard - Fiber Type Selection</source>
        <extracomment>WizardFiberTypeSelectionCaption</extracomment>
        <translation>Link-Assistent - Fasertypauswahl</translation>
    </message>
    <message id="46003">
        <source>Link Wizard - Length</source>
        <extracomment>WizardLengthCaption</extracomment>
        <translation>Link-Assistent - Länge</translation>
    </message>
    <message id="46004">
        <source>Link Wizard - Connectors and Splices</source>
        <extracomment>WizardConnectorsSplicesCaption</extracomment>
        <translation>Link-Assistent - Steckverbinder und Spleiße</translation>
    </message>
    <message id="46005">
        <source>Link Wizard - Company Selection</source>
        <extracomment>WizardCompanySelectionCaption</extracomment>
        <translation>Link-Assistent - Firmenauswahl</translation>
    </message>
    <message id="46006">
        <source>Link Wizard - Name</source>
        <extracomment>WizardNameCaption</extracomment>
        <translation>Link-Assistent - Name</translation>
    </message>
    <message id="46007">
        <source>Valid Wavelengths</source>
        <extracomment>WizardValidWavelengths</extracomment>
        <translation>Gültige Wellenlängen</translation>
    </message>
    <message id="46008">
        <source>Valid Fiber Types</source>
        <extracomment>WizardValidFiberTypes</extracomment>
        <translation>Gültige Fasertypen</translation>
    </message>
    <message id="46009">
        <source>Feet</source>
        <extracomment>WizardUnitFeet</extracomment>
        <translation>Fuß</translation>
    </message>
    <message id="46010">
        <source>Meters</source>
        <extracomment>WizardUnitMeters</extracomment>
        <translation>Meter</translation>
    </message>
    <message id="46011">
        <source>Kilometers</source>
        <extracomment>WizardUnitKilometers</extracomment>
        <translation>Kilometer</translation>
    </message>
    <message id="46012">
        <source>Miles</source>
        <extracomment>WizardUnitMiles</extracomment>
        <translation>Meilen</translation>
    </message>
    <message id="46013">
        <source>&amp;Print</source>
        <extracomment>WizardPrint</extracomment>
        <translation>&amp;Drucken</translation>
    </message>
    <message id="46014">
        <source>Wavelength (nm)</source>
        <extracomment>WizardWavelengthColumn</extracomment>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message id="46015">
        <source>Maximum Allowed Loss</source>
        <extracomment>WizardMaxAllowedLossColumn</extracomment>
        <translation>Maximal zulässige Dämpfung</translation>
    </message>
    <message id="46016">
        <source>Fiber Length (in kilometers)</source>
        <extracomment>WizardLengthLabel</extracomment>
        <translation>Faserlänge (in Kilometern)</translation>
    </message>
    <message id="46017">
        <source>This link is being certified by:</source>
        <extracomment>WizardCertifiedBy</extracomment>
        <translation>Dieser Link wird zertifiziert von:</translation>
    </message>
    <message id="46018">
        <source>New Organization</source>
        <extracomment>WizardNewOrganization</extracomment>
        <translation>Neue Organisation</translation>
    </message>
    <message id="46019">
        <source>Enter a Name for this Link:</source>
        <extracomment>WizardEnterLinkName</extracomment>
        <translation>Geben Sie einen Namen für diesen Link ein:</translation>
    </message>
    <message id="46020">
        <source>Loss Thresholds</source>
        <extracomment>WizardLossThresholds</extracomment>
        <translation>Dämpfungsgrenzwerte</translation>
    </message>
    <message id="46030">
        <source>Custom Standard Wizard</source>
        <extracomment>StandardWizardCaption</extracomment>
        <translation>Assistent für benutzerdefinierte Normen</translation>
    </message>
    <message id="46031">
        <source>What is the name of this standard?</source>
        <extracomment>StandardWizardNameQuestion</extracomment>
        <translation>Wie lautet der Name dieser Norm?</translation>
    </message>
    <message id="46032">
        <source>Place a check next to the types of fiber that are covered by this standard.</source>
        <extracomment>StandardWizardFibersQuestion</extracomment>
        <translation>Setzen Sie ein Häkchen bei den Fasertypen, die von dieser Norm abgedeckt werden.</translation>
    </message>
    <message id="46033">
        <source>Are there any additional wavelengths covered by this standard for:</source>
        <extracomment>StandardWizardMoreWavelengthsQuestion</extracomment>
        <translation>Deckt diese Norm weitere Wellenlängen ab für:</translation>
    </message>
    <message id="46034">
        <source>Is there a maximum length under this standard for:</source>
        <extracomment>StandardWizardMaxLengthQuestion</extracomment>
        <translation>Gibt es nach dieser Norm eine maximale Länge für:</translation>
    </message>
    <message id="46035">
        <source>Is there a maximum amount of loss under this standard for:</source>
        <extracomment>StandardWizardMaxLossQuestion</extracomment>
        <translation>Gibt es nach dieser Norm eine maximale Dämpfung für:</translation>
    </message>
    <message id="46036">
        <source>Enter the allowable amounts of loss applicable under this standard for:</source>
        <extracomment>StandardWizardAllowancesQuestion</extracomment>
        <translation>Geben Sie die nach dieser Norm zulässigen Dämpfungswerte ein für:</translation>
    </message>
    <message id="46037">
        <source>Current Wavelengths</source>
        <extracomment>StandardWizardCurrentWavelengths</extracomment>
        <translation>Aktuelle Wellenlängen</translation>
    </message>
    <message id="46038">
        <source>62.5 uM Multimode</source>
        <extracomment>StandardWizardFiber62</extracomment>
        <translation>62,5 µm Multimode</translation>
    </message>
    <message id="46039">
        <source>50 uM Multimode</source>
        <extracomment>StandardWizardFiber50</extracomment>
        <translation>50 µm Multimode</translation>
    </message>
    <message id="46040">
        <source>Indoor Singlemode</source>
        <extracomment>StandardWizardFiberIndoor</extracomment>
        <translation>Singlemode (Innenbereich)</translation>
    </message>
    <message id="46041">
        <source>Outdoor Singlemode</source>
        <extracomment>StandardWizardFiberOutdoor</extracomment>
        <translation>Singlemode (Außenbereich)</translation>
    </message>
    <message id="46042">
        <source>&amp;Yes</source>
        <extracomment>StandardWizardYes</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message id="46043">
        <source>&amp;No</source>
        <extracomment>StandardWizardNo</extracomment>
        <translation>&amp;Nein</translation>
    </message>
    <message id="46044">
        <source>Attenuation (loss per length)</source>
        <extracomment>StandardWizardAttenuation</extracomment>
        <translation>Dämpfungskoeffizient (Dämpfung pro Länge)</translation>
    </message>
    <message id="46045">
        <source>Connector Loss</source>
        <extracomment>StandardWizardConnectorLoss</extracomment>
        <translation>Steckverbinderdämpfung</translation>
    </message>
    <message id="46046">
        <source>Splice Loss</source>
        <extracomment>StandardWizardSpliceLoss</extracomment>
        <translation>Spleißdämpfung</translation>
    </message>
    <message id="46047">
        <source>km</source>
        <extracomment>StandardWizardUnitKm</extracomment>
        <translation>km</translation>
    </message>
    <message id="46048">
        <source>db</source>
        <extracomment>StandardWizardUnitDb</extracomment>
        <translation>dB</translation>
    </message>
    <message id="46049">
        <source>db/km</source>
        <extracomment>StandardWizardUnitDbPerKm</extracomment>
        <translation>dB/km</translation>
    </message>
    <message id="46050">
        <source>db per Connector Pair</source>
        <extracomment>StandardWizardUnitDbPerConnector</extracomment>
        <translation>dB pro Steckverbinderpaar</translation>
    </message>
    <message id="46051">
        <source>db per Splice</source>
        <extracomment>StandardWizardUnitDbPerSplice</extracomment>
        <translation>dB pro Spleiß</translation>
    </message>
    <message id="46052">
        <source>%s at %s</source>
        <extracomment>StandardWizardAtTemplate</extracomment>
        <translation>%s bei %s</translation>
    </message>
    <message id="57600">
        <source>Create a new document
New</source>
        <extracomment>PromptFileNew</extracomment>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message id="57601">
        <source>Open an existing test database
Open</source>
        <extracomment>PromptFileOpen</extracomment>
        <translation>Eine vorhandene Messdatenbank öffnen
Öffnen</translation>
    </message>
    <message id="57603">
        <source>Save the test database
Save</source>
        <extracomment>PromptFileSave</extracomment>
        <translation>Die Messdatenbank speichern
Speichern</translation>
    </message>
    <message id="57604">
        <source>Save the test database with a new name
Save As</source>
        <extracomment>PromptFileSaveAs</extracomment>
        <translation>Die Messdatenbank unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message id="57606">
        <source>Change the printer and printing options
Print Setup</source>
        <extracomment>PromptPrintSetup</extracomment>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message id="57607">
        <source>Print the circuit report
Print</source>
        <extracomment>PromptPrint</extracomment>
        <translation>Den Streckenbericht drucken
Drucken</translation>
    </message>
    <message id="57608">
        <source>Print the circuit report without asking
Print</source>
        <extracomment>PromptPrintDirect</extracomment>
        <translation>Den Streckenbericht ohne Rückfrage drucken
Drucken</translation>
    </message>
    <message id="57609">
        <source>Display the report as it will be printed
Print Preview</source>
        <extracomment>PromptPrintPreview</extracomment>
        <translation>Den Bericht so anzeigen, wie er gedruckt wird
Seitenansicht</translation>
    </message>
    <message id="57616">
        <source>Open this test database</source>
        <extracomment>PromptRecentFile</extracomment>
        <translation>Diese Messdatenbank öffnen</translation>
    </message>
    <message id="57634">
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <extracomment>PromptCopy</extracomment>
        <translation>Die Auswahl kopieren und in die Zwischenablage einfügen
Kopieren</translation>
    </message>
    <message id="57635">
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <extracomment>PromptCut</extracomment>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage einfügen
Ausschneiden</translation>
    </message>
    <message id="57637">
        <source>Insert Clipboard contents
Paste</source>
        <extracomment>PromptPaste</extracomment>
        <translation>Den Inhalt der Zwischenablage einfügen
Einfügen</translation>
    </message>
    <message id="57643">
        <source>Undo the last action
Undo</source>
        <extracomment>PromptUndo</extracomment>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message id="57664">
        <source>Display program information, version number and copyright
About</source>
        <extracomment>PromptAbout</extracomment>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message id="57665">
        <source>Quit the application; prompts to save the test database
Exit</source>
        <extracomment>PromptExit</extracomment>
        <translation>Die Anwendung beenden; fragt, ob die Messdatenbank gespeichert werden soll
Beenden</translation>
    </message>
    <message id="59392">
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <extracomment>PromptToolbar</extracomment>
        <translation>Die Symbolleiste ein- oder ausblenden
Symbolleiste ein/aus</translation>
    </message>
    <message id="59393">
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <extracomment>PromptStatusBar</extracomment>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message id="59411">
        <source>Show one circuit with all its results
Details</source>
        <extracomment>PromptDetails</extracomment>
        <translation>Eine Strecke mit allen Ergebnissen anzeigen
Details</translation>
    </message>
    <message id="32771">
        <source>Show or hide the build line of the About box</source>
        <extracomment>PromptToggleAboutLine</extracomment>
        <translation>Die Build-Zeile im Infofenster ein- oder ausblenden</translation>
    </message>
    <message id="32773">
        <source>Delete the current fiber from the test database
Delete</source>
        <extracomment>PromptDelete</extracomment>
        <translation>Die aktuelle Faser aus der Messdatenbank löschen
Löschen</translation>
    </message>
    <message id="32774">
        <source>Download the test results stored in the meter
Download</source>
        <extracomment>PromptDownload</extracomment>
        <translation>Die im Messgerät gespeicherten Messergebnisse herunterladen
Herunterladen</translation>
    </message>
    <message id="32775">
        <source>Move to the Last Record
Last</source>
        <extracomment>PromptLast</extracomment>
        <translation>Zum letzten Datensatz wechseln
Letzter</translation>
    </message>
    <message id="32776">
        <source>Display fiber lengths in feet
Feet</source>
        <extracomment>PromptFeet</extracomment>
        <translation>Faserlängen in Fuß anzeigen
Fuß</translation>
    </message>
    <message id="32777">
        <source>Display fiber lengths in kilometers
Kilometers</source>
        <extracomment>PromptMeters</extracomment>
        <translation>Faserlängen in Kilometern anzeigen
Kilometer</translation>
    </message>
    <message id="32779">
        <source>Open the Lintel manual
Lintel Manual</source>
        <extracomment>PromptManualLintel</extracomment>
        <translation>Das Lintel-Handbuch öffnen
Lintel-Handbuch</translation>
    </message>
    <message id="32780">
        <source>Open the manual of the Lintel with Optical Return Loss
Lintel ORL Manual</source>
        <extracomment>PromptManualLintelOrl</extracomment>
        <translation>Das Handbuch des Lintel mit optischer Rückflussdämpfung öffnen
Lintel-ORL-Handbuch</translation>
    </message>
    <message id="32781">
        <source>Open the Pendra manual
Pendra Manual</source>
        <extracomment>PromptManualPendra</extracomment>
        <translation>Das Pendra-Handbuch öffnen
Pendra-Handbuch</translation>
    </message>
    <message id="32782">
        <source>Open the Corvina manual
Corvina Manual</source>
        <extracomment>PromptManualCorvina</extracomment>
        <translation>Das Corvina-Handbuch öffnen
Corvina-Handbuch</translation>
    </message>
    <message id="32783">
        <source>Move to the Next Record
Next</source>
        <extracomment>PromptNext</extracomment>
        <translation>Zum nächsten Datensatz wechseln
Nächster</translation>
    </message>
    <message id="32784">
        <source>Move forward Ten Records
Next 10</source>
        <extracomment>PromptNext10</extracomment>
        <translation>Zehn Datensätze vorwärts blättern
Nächste 10</translation>
    </message>
    <message id="32788">
        <source>Display Pass/Fail
Pass/Fail</source>
        <extracomment>PromptPassFail</extracomment>
        <translation>Die Bewertung anzeigen (i.O./n.i.O.)
Bewertung</translation>
    </message>
    <message id="32789">
        <source>Display Cable Performance Margin
Margin</source>
        <extracomment>PromptCableMargin</extracomment>
        <translation>Die Leistungsreserve der Kabelstrecke anzeigen
Reserve</translation>
    </message>
    <message id="32790">
        <source>Display Loss
Loss</source>
        <extracomment>PromptOpticalLoss</extracomment>
        <translation>Die Dämpfung anzeigen
Dämpfung</translation>
    </message>
    <message id="32791">
        <source>Move to the Previous Record
Previous</source>
        <extracomment>PromptPrevious</extracomment>
        <translation>Zum vorherigen Datensatz wechseln
Vorheriger</translation>
    </message>
    <message id="32792">
        <source>Move back Ten Records
Previous 10</source>
        <extracomment>PromptPrevious10</extracomment>
        <translation>Zehn Datensätze zurückblättern
Vorherige 10</translation>
    </message>
    <message id="32795">
        <source>Move to the First Record
First</source>
        <extracomment>PromptFirst</extracomment>
        <translation>Zum ersten Datensatz wechseln
Erster</translation>
    </message>
    <message id="32796">
        <source>View Circuit Details
Circuit Details</source>
        <extracomment>PromptViewDetails</extracomment>
        <translation>Die Streckendetails anzeigen
Streckendetails</translation>
    </message>
    <message id="32797">
        <source>View Circuit Summary
Circuit Summary</source>
        <extracomment>PromptViewSummary</extracomment>
        <translation>Die Streckenübersicht anzeigen
Streckenübersicht</translation>
    </message>
    <message id="32798">
        <source>Show ten circuits at a time
Summary</source>
        <extracomment>PromptSummary</extracomment>
        <translation>Zehn Strecken auf einmal anzeigen
Übersicht</translation>
    </message>
    <message id="40526">
        <source>Imports a image file to be used as a logo</source>
        <extracomment>PromptImportLogo</extracomment>
        <translation>Importiert eine Bilddatei, die als Logo verwendet wird</translation>
    </message>
    <message id="40543">
        <source>Explains the invalid operating margin (Note 1)
Invalid Operating Margin</source>
        <extracomment>PromptManualInvalidMargin</extracomment>
        <translation>Erklärt die ungültige Betriebsreserve (Anm. 1)
Ungültige Betriebsreserve</translation>
    </message>
    <message id="47000">
        <source>&amp;File</source>
        <extracomment>MenuFile</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message id="47001">
        <source>&amp;New	Ctrl+N</source>
        <extracomment>MenuNew</extracomment>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message id="47002">
        <source>&amp;Open...	Ctrl+O</source>
        <extracomment>MenuOpen</extracomment>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message id="47003">
        <source>&amp;Save	Ctrl+S</source>
        <extracomment>MenuSave</extracomment>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message id="47004">
        <source>Save &amp;As...</source>
        <extracomment>MenuSaveAs</extracomment>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message id="47005">
        <source>&amp;Import Logo</source>
        <extracomment>MenuImportLogo</extracomment>
        <translation>Logo &amp;importieren</translation>
    </message>
    <message id="47006">
        <source>&amp;Print...	Ctrl+P</source>
        <extracomment>MenuPrint</extracomment>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message id="47007">
        <source>Print Pre&amp;view</source>
        <extracomment>MenuPrintPreview</extracomment>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message id="47008">
        <source>P&amp;rint Setup...</source>
        <extracomment>MenuPrintSetup</extracomment>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message id="47009">
        <source>Recent File</source>
        <extracomment>MenuRecentFile</extracomment>
        <translation>Zuletzt verwendete Datei</translation>
    </message>
    <message id="47010">
        <source>E&amp;xit</source>
        <extracomment>MenuExit</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message id="47011">
        <source>&amp;Edit</source>
        <extracomment>MenuEdit</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="47012">
        <source>&amp;Undo	Ctrl+Z</source>
        <extracomment>MenuUndo</extracomment>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message id="47013">
        <source>Cu&amp;t	Ctrl+X</source>
        <extracomment>MenuCut</extracomment>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message id="47014">
        <source>&amp;Copy	Ctrl+C</source>
        <extracomment>MenuCopy</extracomment>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message id="47015">
        <source>&amp;Paste	Ctrl+V</source>
        <extracomment>MenuPaste</extracomment>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message id="47016">
        <source>&amp;Delete	Ctrl+Del</source>
        <extracomment>MenuDelete</extracomment>
        <translation>&amp;Löschen	Strg+Entf</translation>
    </message>
    <message id="47017">
        <source>&amp;Download</source>
        <extracomment>MenuDownload</extracomment>
        <translation>Herunter&amp;laden</translation>
    </message>
    <message id="47018">
        <source>&amp;View</source>
        <extracomment>MenuView</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="47019">
        <source>&amp;Toolbar</source>
        <extracomment>MenuToolbar</extracomment>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message id="47020">
        <source>Status &amp;Bar</source>
        <extracomment>MenuStatusBar</extracomment>
        <translation>Status&amp;leiste</translation>
    </message>
    <message id="47021">
        <source>&amp;Details</source>
        <extracomment>MenuDetails</extracomment>
        <translation>&amp;Details</translation>
    </message>
    <message id="47022">
        <source>&amp;Summary</source>
        <extracomment>MenuSummary</extracomment>
        <translation>&amp;Übersicht</translation>
    </message>
    <message id="47023">
        <source>&amp;Meters</source>
        <extracomment>MenuMeters</extracomment>
        <translation>&amp;Meter</translation>
    </message>
    <message id="47024">
        <source>&amp;Feet</source>
        <extracomment>MenuFeet</extracomment>
        <translation>&amp;Fuß</translation>
    </message>
    <message id="47025">
        <source>&amp;Pass/Fail</source>
        <extracomment>MenuPassFail</extracomment>
        <translation>&amp;Bewertung (i.O./n.i.O.)</translation>
    </message>
    <message id="47026">
        <source>&amp;Cable Performance Margin</source>
        <extracomment>MenuCableMargin</extracomment>
        <translation>Leistungs&amp;reserve der Kabelstrecke</translation>
    </message>
    <message id="47027">
        <source>&amp;Optical Loss</source>
        <extracomment>MenuOpticalLoss</extracomment>
        <translation>&amp;Optische Dämpfung</translation>
    </message>
    <message id="47028">
        <source>&amp;Wizards</source>
        <extracomment>MenuWizards</extracomment>
        <translation>Assis&amp;tenten</translation>
    </message>
    <message id="47029">
        <source>&amp;Loss Wizard</source>
        <extracomment>MenuLossWizard</extracomment>
        <translation>&amp;Dämpfungs-Assistent</translation>
    </message>
    <message id="47030">
        <source>&amp;Standard Wizard</source>
        <extracomment>MenuStandardWizard</extracomment>
        <translation>&amp;Normen-Assistent</translation>
    </message>
    <message id="47031">
        <source>&amp;Help</source>
        <extracomment>MenuHelp</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="47032">
        <source>&amp;About Fibrolog...</source>
        <extracomment>MenuAbout</extracomment>
        <translation>&amp;Info über Fibrolog...</translation>
    </message>
    <message id="47033">
        <source>&amp;Manuals</source>
        <extracomment>MenuManuals</extracomment>
        <translation>H&amp;andbücher</translation>
    </message>
    <message id="47034">
        <source>&amp;Lintel</source>
        <extracomment>MenuManualLintel</extracomment>
        <translation>&amp;Lintel</translation>
    </message>
    <message id="47035">
        <source>Lintel with &amp;Optical Return Loss</source>
        <extracomment>MenuManualLintelOrl</extracomment>
        <translation>Lintel mit &amp;optischer Rückflussdämpfung</translation>
    </message>
    <message id="47036">
        <source>&amp;Pendra</source>
        <extracomment>MenuManualPendra</extracomment>
        <translation>&amp;Pendra</translation>
    </message>
    <message id="47037">
        <source>&amp;Corvina</source>
        <extracomment>MenuManualCorvina</extracomment>
        <translation>&amp;Corvina</translation>
    </message>
    <message id="47038">
        <source>&amp;Invalid &amp;Operating Margin (Note 1)</source>
        <extracomment>MenuManualInvalidMargin</extracomment>
        <translation>&amp;Ungültige Betriebsreserve (Anm. 1)</translation>
    </message>
    <message id="45060">
        <source>Company</source>
        <extracomment>ViewCaptionCompany</extracomment>
        <translation>Firma</translation>
    </message>
    <message id="45061">
        <source>Telephone</source>
        <extracomment>ViewCaptionTelephone</extracomment>
        <translation>Telefon</translation>
    </message>
    <message id="45062">
        <source>Meter Type</source>
        <extracomment>ViewCaptionMeterType</extracomment>
        <translation>Messgerätetyp</translation>
    </message>
    <message id="45063">
        <source>Serial Number</source>
        <extracomment>ViewCaptionSerialNumber</extracomment>
        <translation>Seriennummer</translation>
    </message>
    <message id="45064">
        <source>Firmware Version</source>
        <extracomment>ViewCaptionFirmwareVersion</extracomment>
        <translation>Firmwareversion</translation>
    </message>
    <message id="45065">
        <source>Link ID</source>
        <extracomment>ViewCaptionLinkId</extracomment>
        <translation>Link-ID</translation>
    </message>
    <message id="45066">
        <source>Link Comment</source>
        <extracomment>ViewCaptionLinkComment</extracomment>
        <translation>Link-Kommentar</translation>
    </message>
    <message id="45067">
        <source>Circuit ID</source>
        <extracomment>ViewCaptionCircuitId</extracomment>
        <translation>Strecken-ID</translation>
    </message>
    <message id="45068">
        <source>Date of Test</source>
        <extracomment>ViewCaptionDateOfTest</extracomment>
        <translation>Messdatum</translation>
    </message>
    <message id="45069">
        <source>Calibration Date</source>
        <extracomment>ViewCaptionCalibrationDate</extracomment>
        <translation>Kalibrierdatum</translation>
    </message>
    <message id="45070">
        <source>Date of Download</source>
        <extracomment>ViewCaptionDateOfDownload</extracomment>
        <translation>Download-Datum</translation>
    </message>
    <message id="45071">
        <source>Temperature</source>
        <extracomment>ViewCaptionTemperature</extracomment>
        <translation>Temperatur</translation>
    </message>
    <message id="45072">
        <source>Connector Pairs</source>
        <extracomment>ViewCaptionConnectorPairs</extracomment>
        <translation>Steckverbinderpaare</translation>
    </message>
    <message id="45073">
        <source>Splices</source>
        <extracomment>ViewCaptionSplices</extracomment>
        <translation>Spleiße</translation>
    </message>
    <message id="45074">
        <source>Cable Type</source>
        <extracomment>ViewCaptionCableType</extracomment>
        <translation>Kabeltyp</translation>
    </message>
    <message id="45075">
        <source>Standard</source>
        <extracomment>ViewCaptionStandard</extracomment>
        <translation>Norm</translation>
    </message>
    <message id="45100">
        <source>The logo setting could not be saved in %1.</source>
        <extracomment>LogoSettingNotSaved</extracomment>
        <translation>Die Logo-Einstellung konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message id="45120">
        <source>Unknown language (%1)</source>
        <extracomment>LanguageUnknownName</extracomment>
        <translation>Unbekannte Sprache (%1)</translation>
    </message>
    <message id="45121">
        <source>No language module for %1 was found; %2 is used instead.</source>
        <extracomment>LanguageModuleMissing</extracomment>
        <translation>Für %1 wurde kein Sprachmodul gefunden; stattdessen wird %2 verwendet.</translation>
    </message>
    <message id="45170">
        <source>&lt; &amp;Back</source>
        <extracomment>WizardBackButton</extracomment>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message id="45171">
        <source>&amp;Next &gt;</source>
        <extracomment>WizardNextButton</extracomment>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message id="45172">
        <source>&amp;Finish</source>
        <extracomment>WizardFinishButton</extracomment>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message id="45173">
        <source>The length cannot be negative.</source>
        <extracomment>WizardNegativeLength</extracomment>
        <translation>Die Länge darf nicht negativ sein.</translation>
    </message>
    <message id="45174">
        <source>Please enter a whole number from %1 to %2.</source>
        <extracomment>WizardCountRange</extracomment>
        <translation>Bitte geben Sie eine ganze Zahl von %1 bis %2 ein.</translation>
    </message>
    <message id="45150">
        <source>The standard needs a name.</source>
        <extracomment>CustomStandardNameEmpty</extracomment>
        <translation>Die Norm braucht einen Namen.</translation>
    </message>
    <message id="45151">
        <source>The name of a standard may have at most %1 characters.</source>
        <extracomment>CustomStandardNameTooLong</extracomment>
        <translation>Der Name einer Norm darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message id="45152">
        <source>The standard covers no wavelength of any fiber type.</source>
        <extracomment>CustomStandardNoRows</extracomment>
        <translation>Die Norm deckt keine Wellenlänge eines Fasertyps ab.</translation>
    </message>
    <message id="45153">
        <source>%1 is not a fiber type; the types are 0 to 3.</source>
        <extracomment>CustomStandardBadFiberType</extracomment>
        <translation>%1 ist kein Fasertyp; die Fasertypen sind 0 bis 3.</translation>
    </message>
    <message id="45154">
        <source>%1 (%2) is not a wavelength from 1nm to 9999nm.</source>
        <extracomment>CustomStandardBadWavelength</extracomment>
        <translation>%1 (%2) ist keine Wellenlänge von 1nm bis 9999nm.</translation>
    </message>
    <message id="45155">
        <source>The values of %1 at %2 must be numbers of 0 or more.</source>
        <extracomment>CustomStandardBadValue</extracomment>
        <translation>Die Werte für %1 bei %2 müssen Zahlen ab 0 sein.</translation>
    </message>
    <message id="45156">
        <source>%1 at %2 is defined twice.</source>
        <extracomment>CustomStandardWavelengthTwice</extracomment>
        <translation>%1 bei %2 ist zweimal festgelegt.</translation>
    </message>

    <!-- Lengths, standards and the values a circuit is judged on (45200-45229) -->
    <message id="45200">
        <source>The length must be from 0 to %1 km (%2 ft): no tested link is longer.</source>
        <extracomment>LinkLengthOutOfRange</extracomment>
        <translation>Die Länge muss zwischen 0 und %1 km (%2 Fuß) liegen: Keine geprüfte Strecke ist länger.</translation>
    </message>
    <message id="45201">
        <source>not a real length</source>
        <extracomment>LengthNotReal</extracomment>
        <translation>keine echte Länge</translation>
    </message>
    <message id="45202">
        <source>- No verdict: the stored length of this link is not from 0 to %1 km.</source>
        <extracomment>DetailNoRealLengthNote</extracomment>
        <translation>- Keine Bewertung: Die gespeicherte Länge dieses Links liegt nicht zwischen 0 und %1 km.</translation>
    </message>
    <message id="45203">
        <source>There is no standard %1. The standards are: %2.</source>
        <extracomment>LinkStandardUnknown</extracomment>
        <translation>Es gibt keine Norm %1. Die Normen sind: %2.</translation>
    </message>
    <message id="45204">
        <source>%1 covers no fiber type %2; it covers %3.</source>
        <extracomment>LinkStandardFiberTypeUnknown</extracomment>
        <translation>%1 gilt für keinen Fasertyp %2; sie gilt für %3.</translation>
    </message>

    <!-- Custom standards' limits and the shared standards file (45230-45249) -->
    <message id="45230">
        <source>The name %1 is taken by another standard; give this one a name of its own.</source>
        <extracomment>CustomStandardNameTaken</extracomment>
        <translation>Der Name %1 gehört schon einer anderen Norm; geben Sie dieser Norm einen eigenen Namen.</translation>
    </message>
    <message id="45231">
        <source>%1 at %2 allows no loss, so every fiber would fail: give a maximum loss, an attenuation or a loss per connector pair.</source>
        <extracomment>CustomStandardAllowsNoLoss</extracomment>
        <translation>%1 bei %2 lässt keinen Verlust zu, jede Faser würde durchfallen: geben Sie einen maximalen Verlust, eine Dämpfung oder einen Verlust je Steckverbindung an.</translation>
    </message>
    <message id="45232">
        <source>%1 at %2: %3 of %4 is more than a real link has; at most %5 is allowed.</source>
        <extracomment>CustomStandardValueTooLarge</extracomment>
        <translation>%1 bei %2: %3 von %4 ist mehr, als eine echte Strecke hat; zulässig sind höchstens %5.</translation>
    </message>
    <message id="45233">
        <source>a maximum length</source>
        <extracomment>CustomStandardQuantityMaxLength</extracomment>
        <translation>eine maximale Länge</translation>
    </message>
    <message id="45234">
        <source>a maximum loss</source>
        <extracomment>CustomStandardQuantityMaxLoss</extracomment>
        <translation>ein maximaler Verlust</translation>
    </message>
    <message id="45235">
        <source>an attenuation</source>
        <extracomment>CustomStandardQuantityAttenuation</extracomment>
        <translation>eine Dämpfung</translation>
    </message>
    <message id="45236">
        <source>a loss per connector pair</source>
        <extracomment>CustomStandardQuantityConnectorLoss</extracomment>
        <translation>ein Verlust je Steckverbindung</translation>
    </message>
    <message id="45237">
        <source>a loss per splice</source>
        <extracomment>CustomStandardQuantitySpliceLoss</extracomment>
        <translation>ein Verlust je Spleiß</translation>
    </message>
    <message id="45238">
        <source>%1 nm is defined already for %2.</source>
        <extracomment>StandardWizardWavelengthDefined</extracomment>
        <translation>%1 nm ist für %2 schon festgelegt.</translation>
    </message>
    <message id="45239">
        <source>you have no permission to read it.</source>
        <extracomment>SharedStandardsNoPermission</extracomment>
        <translation>Sie haben keine Berechtigung, sie zu lesen.</translation>
    </message>
    <message id="45240">
        <source>The standard is not saved: you have no permission to change %1.</source>
        <extracomment>CustomStandardFileReadOnly</extracomment>
        <translation>Die Norm ist nicht gespeichert: Sie haben keine Berechtigung, %1 zu ändern.</translation>
    </message>
    <message id="45241">
        <source>%1 (id %2)</source>
        <extracomment>StandardListTwin</extracomment>
        <translation>%1 (ID %2)</translation>
    </message>

    <!-- Downloads: damaged values, incomplete transfers (45250-45299) -->
    <message id="45250">
        <source>Readings left out: %1 (damaged: outside the %2 to %3 dBm that a loss meter reads).</source>
        <extracomment>ImportReadingsImplausible</extracomment>
        <translation>Ausgelassene Messwerte: %1 (beschädigt: außerhalb der %2 bis %3 dBm, die ein Dämpfungsmessgerät misst).</translation>
    </message>
    <message id="45251">
        <source>Readings left out: %1 (damaged: their link's reference power at that wavelength).</source>
        <extracomment>ImportReadingsDamagedReference</extracomment>
        <translation>Ausgelassene Messwerte: %1 (beschädigt: die Referenzleistung ihres Links bei dieser Wellenlänge).</translation>
    </message>
    <message id="45252">
        <source>Fibers left out: %1 (damaged: their link's length, connector pairs, splices or temperature, so they cannot be judged).</source>
        <extracomment>ImportFibersOfDamagedLink</extracomment>
        <translation>Ausgelassene Fasern: %1 (beschädigt: Länge, Steckverbinderpaare, Spleiße oder Temperatur ihres Links, daher nicht bewertbar).</translation>
    </message>
    <message id="45253">
        <source>No line of the download is a whole reading (a wavelength and two values, plain numbers); nothing was imported.</source>
        <extracomment>CorvinaNoWholeReading</extracomment>
        <translation>Keine Zeile des Downloads ist ein vollständiger Messwert (eine Wellenlänge und zwei Werte als einfache Zahlen); es wurde nichts importiert.</translation>
    </message>

    <!-- Files: names, links, locks (45300-45349) -->
    <message id="45300">
        <source>"%1" is not valid UTF-8, and this program reaches files by UTF-8 names only: it would reach another file, or none. Nothing was done. Rename the file to a UTF-8 name, for example with "convmv -f latin1 -t utf8 --notest FILE".</source>
        <extracomment>FileNameNotUtf8</extracomment>
        <translation>„%1“ ist kein gültiges UTF-8, und dieses Programm erreicht Dateien nur über UTF-8-Namen: Es würde eine andere Datei erreichen oder keine. Es wurde nichts getan. Benennen Sie die Datei in einen UTF-8-Namen um, zum Beispiel mit „convmv -f latin1 -t utf8 --notest DATEI“.</translation>
    </message>
    <message id="45301">
        <source>%1 is a symbolic link in %2, a folder anyone may write to, and it belongs to neither you nor the folder's owner: it is not followed, as the system's own link protection would not follow it. Nothing was written. Remove the link or choose another name.</source>
        <extracomment>LinkInSharedFolder</extracomment>
        <translation>%1 ist eine symbolische Verknüpfung in %2, einem Ordner, in den jeder schreiben darf, und sie gehört weder Ihnen noch dem Besitzer des Ordners: Ihr wird nicht gefolgt, so wie der Verknüpfungsschutz des Systems ihr nicht folgen würde. Es wurde nichts geschrieben. Entfernen Sie die Verknüpfung oder wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="45302">
        <source>%1 has %2 names (hard links). Writing it anew would part them and leave the old content under the other names, so it was left as it is. Write to another name, or remove the other names first.</source>
        <extracomment>HardLinkedTarget</extracomment>
        <translation>%1 hat %2 Namen (harte Verknüpfungen). Sie neu zu schreiben würde sie trennen und den alten Inhalt unter den anderen Namen lassen; deshalb blieb sie, wie sie ist. Schreiben Sie unter einem anderen Namen, oder entfernen Sie zuerst die anderen Namen.</translation>
    </message>
    <message id="45303">
        <source>Cannot lock %1: its lock file %2 belongs to %3 and does not let others take it (an older version of this program that was stopped while saving leaves such a file). If no one is saving %1 now, remove %2.</source>
        <extracomment>LockFileNotOpenable</extracomment>
        <translation>%1 kann nicht gesperrt werden: Ihre Sperrdatei %2 gehört %3 und lässt andere sie nicht übernehmen (eine ältere Version dieses Programms, die beim Speichern beendet wurde, hinterlässt eine solche Datei). Wenn gerade niemand %1 speichert, entfernen Sie %2.</translation>
    </message>
    <message id="45304">
        <source>Cannot lock %1: %2. The lock is a file beside it, so saving or upgrading it needs write permission for the folder %3.</source>
        <extracomment>LockFolderNotWritable</extracomment>
        <translation>%1 kann nicht gesperrt werden: %2. Die Sperre ist eine Datei daneben; zum Speichern oder Umwandeln ist deshalb Schreibrecht für den Ordner %3 nötig.</translation>
    </message>
    <message id="45305">
        <source>Cannot lock %1: its lock file %2 is not a regular file. Remove it.</source>
        <extracomment>LockFileNotRegular</extracomment>
        <translation>%1 kann nicht gesperrt werden: Ihre Sperrdatei %2 ist keine normale Datei. Entfernen Sie sie.</translation>
    </message>
    <message id="45306">
        <source>%1 is read-only, so it was not upgraded. Give it write permission (chmod u+w) and upgrade it again.</source>
        <extracomment>ReadOnlyNotUpgraded</extracomment>
        <translation>%1 ist schreibgeschützt und wurde deshalb nicht umgewandelt. Geben Sie ihr Schreibrecht (chmod u+w) und wandeln Sie sie erneut um.</translation>
    </message>

    <!-- The window's notices, saves and edits (45350-45399) -->
    <message id="45350">
        <source>Close this notice</source>
        <extracomment>NoticeCloseTip</extracomment>
        <translation>Diesen Hinweis schließen</translation>
    </message>
    <message id="45351">
        <source>Texts too long for their field were shortened: %1</source>
        <extracomment>NoticeShortenedFields</extracomment>
        <translation>Texte, die für ihr Feld zu lang waren, wurden gekürzt: %1</translation>
    </message>
    <message id="45352">
        <source>The circuit ID cannot be empty.</source>
        <extracomment>EditCircuitIdEmpty</extracomment>
        <translation>Die Strecken-ID darf nicht leer sein.</translation>
    </message>
    <message id="45353">
        <source>The circuit ID can be at most %1 characters long.</source>
        <extracomment>EditCircuitIdTooLong</extracomment>
        <translation>Die Strecken-ID darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message id="45354">
        <source>The link ID cannot be empty.</source>
        <extracomment>EditLinkIdEmpty</extracomment>
        <translation>Die Link-ID darf nicht leer sein.</translation>
    </message>
    <message id="45355">
        <source>The link ID can be at most %1 characters long.</source>
        <extracomment>EditLinkIdTooLong</extracomment>
        <translation>Die Link-ID darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message id="45356">
        <source>The link comment can be at most %1 characters long.</source>
        <extracomment>EditLinkCommentTooLong</extracomment>
        <translation>Der Link-Kommentar darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message id="45357">
        <source>The company name cannot be empty.</source>
        <extracomment>EditCompanyEmpty</extracomment>
        <translation>Der Firmenname darf nicht leer sein.</translation>
    </message>
    <message id="45358">
        <source>The company name can be at most %1 characters long.</source>
        <extracomment>EditCompanyTooLong</extracomment>
        <translation>Der Firmenname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message id="45359">
        <source>The telephone number can be at most %1 characters long.</source>
        <extracomment>EditTelephoneTooLong</extracomment>
        <translation>Die Telefonnummer darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message id="45360">
        <source>You are about to permanently delete circuit &quot;%2&quot; of link &quot;%1&quot;.  Are you sure you wish to do so?</source>
        <extracomment>DeleteCircuitQuestion</extracomment>
        <translation>Sie sind dabei, die Strecke „%2“ des Links „%1“ endgültig zu löschen.  Möchten Sie das wirklich tun?</translation>
    </message>
    <message id="45361">
        <source>%1 has changed on disk since it was opened or last saved here.  Do you wish to overwrite this file, or merge the new data?</source>
        <extracomment>SaveBackChangedOnDisk</extracomment>
        <translation>%1 wurde auf dem Datenträger geändert, seit die Datei hier geöffnet oder zuletzt gespeichert wurde.  Möchten Sie die Datei überschreiben oder die neuen Daten zusammenführen?</translation>
    </message>
    <message id="45362">
        <source>There are no test results to save: %1 exists already and was left as it is.  Choose a new file name to save an empty test database.</source>
        <extracomment>SaveEmptyDocumentRefused</extracomment>
        <translation>Es gibt keine Testergebnisse zu speichern: %1 existiert bereits und wurde nicht verändert.  Wählen Sie einen neuen Dateinamen, um eine leere Testdatenbank zu speichern.</translation>
    </message>

    <!-- Checked language modules (45400-45419) -->
    <message id="45400">
        <source>The language module %1 was refused: %2; %3 is used instead.</source>
        <extracomment>LanguageModuleRefused</extracomment>
        <translation>Das Sprachmodul %1 wurde abgewiesen: %2; stattdessen wird %3 verwendet.</translation>
    </message>
    <message id="45401">
        <source>there is no list of checksums %1 beside it</source>
        <extracomment>LanguageModuleNoChecksumList</extracomment>
        <translation>neben ihm liegt keine Prüfsummenliste %1</translation>
    </message>
    <message id="45402">
        <source>the list of checksums %1 does not name it</source>
        <extracomment>LanguageModuleNotListed</extracomment>
        <translation>die Prüfsummenliste %1 nennt es nicht</translation>
    </message>
    <message id="45403">
        <source>it is damaged (its checksum is not the one in %1)</source>
        <extracomment>LanguageModuleChecksumDiffers</extracomment>
        <translation>es ist beschädigt (seine Prüfsumme ist nicht die aus %1)</translation>
    </message>
    <message id="45404">
        <source>it is damaged or is no compiled language module</source>
        <extracomment>LanguageModuleDamaged</extracomment>
        <translation>es ist beschädigt oder kein kompiliertes Sprachmodul</translation>
    </message>
    <message id="45405">
        <source>it cannot be read (%1)</source>
        <extracomment>LanguageModuleUnreadable</extracomment>
        <translation>es kann nicht gelesen werden (%1)</translation>
    </message>
    <message id="45406">
        <source>it carries none of the program&apos;s texts</source>
        <extracomment>LanguageModuleNoTexts</extracomment>
        <translation>es enthält keinen der Texte des Programms</translation>
    </message>

    <!-- Jobs off the UI thread and one error channel (45420-45439) -->
    <message id="45420">
        <source>Opening %1</source>
        <extracomment>JobOpening</extracomment>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message id="45421">
        <source>Saving %1</source>
        <extracomment>JobSaving</extracomment>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message id="45422">
        <source>Converting %1</source>
        <extracomment>JobConverting</extracomment>
        <translation>%1 wird umgewandelt</translation>
    </message>
    <message id="45423">
        <source>The file is being opened, saved or stored just now; the change was not made.</source>
        <extracomment>DocumentBusy</extracomment>
        <translation>Die Datei wird gerade geöffnet, gespeichert oder abgelegt; die Änderung wurde nicht vorgenommen.</translation>
    </message>
    <message id="45424">
        <source>The save was cancelled; %1 is unchanged.</source>
        <extracomment>SaveCancelled</extracomment>
        <translation>Das Speichern wurde abgebrochen; %1 ist unverändert.</translation>
    </message>
    <message id="45425">
        <source>%1 is not a test database of this program; it was not replaced.</source>
        <extracomment>NotReplacedNotTestDatabase</extracomment>
        <translation>%1 ist keine Testdatenbank dieses Programms; sie wurde nicht ersetzt.</translation>
    </message>
    <message id="45426">
        <source>Cannot copy %1 to the temporary folder.</source>
        <extracomment>CannotCopyToTemporary</extracomment>
        <translation>%1 kann nicht in den temporären Ordner kopiert werden.</translation>
    </message>
    <message id="45427">
        <source>%1 is a meter&apos;s download, not a test database: it is stored as one, not opened.</source>
        <extracomment>DownloadNotOpenedAsDocument</extracomment>
        <translation>%1 ist ein Download eines Messgeräts, keine Testdatenbank: er wird als solche gespeichert, nicht geöffnet.</translation>
    </message>
    <message id="45428">
        <source>Printing was stopped after %1 pages; those pages were sent to the printer.</source>
        <extracomment>PrintStopped</extracomment>
        <translation>Der Druck wurde nach %1 Seiten abgebrochen; diese Seiten wurden an den Drucker gegeben.</translation>
    </message>

    <!-- Print preview (45440-45449) -->
    <message id="45440">
        <source>Print Preview</source>
        <extracomment>PreviewTitle</extracomment>
        <translation>Seitenansicht</translation>
    </message>
    <message id="45441">
        <source>&amp;Print...</source>
        <extracomment>PreviewPrint</extracomment>
        <translation>&amp;Drucken...</translation>
    </message>
    <message id="45442">
        <source>&amp;Close</source>
        <extracomment>PreviewClose</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="45443">
        <source>P&amp;age:</source>
        <extracomment>PreviewPage</extracomment>
        <translation>S&amp;eite:</translation>
    </message>
    <message id="45444">
        <source>of %1</source>
        <extracomment>PreviewPageCount</extracomment>
        <translation>von %1</translation>
    </message>
    <message id="45445">
        <source>Previous Page</source>
        <extracomment>PreviewPreviousPage</extracomment>
        <translation>Vorherige Seite</translation>
    </message>
    <message id="45446">
        <source>Next Page</source>
        <extracomment>PreviewNextPage</extracomment>
        <translation>Nächste Seite</translation>
    </message>
    <message id="45447">
        <source>&amp;Zoom:</source>
        <extracomment>PreviewZoom</extracomment>
        <translation>&amp;Zoom:</translation>
    </message>
    <message id="45448">
        <source>Fit Width</source>
        <extracomment>PreviewFitWidth</extracomment>
        <translation>Seitenbreite</translation>
    </message>
    <message id="45449">
        <source>Whole Page</source>
        <extracomment>PreviewWholePage</extracomment>
        <translation>Ganze Seite</translation>
    </message>

    <!-- The view's pages and refreshes (45450-45459) -->

    <!-- The frame's layout, keys and names (45460-45479) -->
    <message id="45460">
        <source>&amp;Go</source>
        <extracomment>MenuGo</extracomment>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message id="45461">
        <source>&amp;First Record	Ctrl+Home</source>
        <extracomment>MenuFirstRecord</extracomment>
        <translation>&amp;Erster Datensatz	Strg+Pos1</translation>
    </message>
    <message id="45462">
        <source>Back &amp;Ten Records	Ctrl+PgUp</source>
        <extracomment>MenuPrevious10Records</extracomment>
        <translation>&amp;Zehn Datensätze zurück	Strg+Bild auf</translation>
    </message>
    <message id="45463">
        <source>&amp;Previous Record	PgUp</source>
        <extracomment>MenuPreviousRecord</extracomment>
        <translation>&amp;Vorheriger Datensatz	Bild auf</translation>
    </message>
    <message id="45464">
        <source>&amp;Next Record	PgDown</source>
        <extracomment>MenuNextRecord</extracomment>
        <translation>&amp;Nächster Datensatz	Bild ab</translation>
    </message>
    <message id="45465">
        <source>Forward T&amp;en Records	Ctrl+PgDown</source>
        <extracomment>MenuNext10Records</extracomment>
        <translation>Zehn Datensätze vo&amp;rwärts	Strg+Bild ab</translation>
    </message>
    <message id="45466">
        <source>&amp;Last Record	Ctrl+End</source>
        <extracomment>MenuLastRecord</extracomment>
        <translation>&amp;Letzter Datensatz	Strg+Ende</translation>
    </message>
    <message id="45467">
        <source>&amp;Go to Record...	Ctrl+G</source>
        <extracomment>MenuGoToRecord</extracomment>
        <translation>&amp;Gehe zu Datensatz...	Strg+G</translation>
    </message>
    <message id="45468">
        <source>Move to the record with the number you give
Go to Record</source>
        <extracomment>PromptGoToRecord</extracomment>
        <translation>Zum Datensatz mit der angegebenen Nummer wechseln
Gehe zu Datensatz</translation>
    </message>
    <message id="45469">
        <source>Record number (1 to %1):</source>
        <extracomment>GoToRecordLabel</extracomment>
        <translation>Datensatznummer (1 bis %1):</translation>
    </message>
    <message id="45470">
        <source>&amp;Company</source>
        <extracomment>ViewLabelCompany</extracomment>
        <translation>&amp;Firma</translation>
    </message>
    <message id="45471">
        <source>&amp;Telephone</source>
        <extracomment>ViewLabelTelephone</extracomment>
        <translation>Tel&amp;efon</translation>
    </message>
    <message id="45472">
        <source>&amp;Link ID</source>
        <extracomment>ViewLabelLinkId</extracomment>
        <translation>Li&amp;nk-ID</translation>
    </message>
    <message id="45473">
        <source>Link Co&amp;mment</source>
        <extracomment>ViewLabelLinkComment</extracomment>
        <translation>Link-&amp;Kommentar</translation>
    </message>
    <message id="45474">
        <source>Ci&amp;rcuit ID</source>
        <extracomment>ViewLabelCircuitId</extracomment>
        <translation>&amp;Strecken-ID</translation>
    </message>
    <message id="45475">
        <source>Test results</source>
        <extracomment>ViewFormName</extracomment>
        <translation>Prüfergebnisse</translation>
    </message>
    <message id="45476">
        <source>Logo image file</source>
        <extracomment>LogoPathName</extracomment>
        <translation>Logo-Bilddatei</translation>
    </message>
    <message id="45477">
        <source>Choose a logo image</source>
        <extracomment>LogoBrowseName</extracomment>
        <translation>Logobild auswählen</translation>
    </message>
    <message id="45478">
        <source>Length of the link</source>
        <extracomment>WizardLinkLengthName</extracomment>
        <translation>Länge des Links</translation>
    </message>

    <!-- Result rows, verdict colours and the Link Wizard's pages (45480-45499) -->
    <message id="45480">
        <source>&amp;Verdicts in colour</source>
        <extracomment>VerdictsInColourChoice</extracomment>
        <translation>&amp;Bewertungen farbig</translation>
    </message>

    <!-- Link charts and reports of chosen circuits (45500-45529) -->
    <message id="45500">
        <source>Link Chart</source>
        <extracomment>LinkChartTitle</extracomment>
        <translation>Streckendiagramm</translation>
    </message>
    <message id="45501">
        <source>%1: optical loss in dB</source>
        <extracomment>LinkChartSeriesTitle</extracomment>
        <translation>%1: optische Dämpfung in dB</translation>
    </message>
    <message id="45502">
        <source>Pass</source>
        <extracomment>LinkChartLegendPass</extracomment>
        <translation>Bestanden</translation>
    </message>
    <message id="45503">
        <source>Fail (hatched)</source>
        <extracomment>LinkChartLegendFail</extracomment>
        <translation>Nicht bestanden (schraffiert)</translation>
    </message>
    <message id="45504">
        <source>No verdict (outline)</source>
        <extracomment>LinkChartLegendNoVerdict</extracomment>
        <translation>Ohne Urteil (Umriss)</translation>
    </message>
    <message id="45505">
        <source>Allowed loss</source>
        <extracomment>LinkChartLegendLimit</extracomment>
        <translation>Zulässige Dämpfung</translation>
    </message>
    <message id="45506">
        <source>This link has no optical loss readings to chart.</source>
        <extracomment>LinkChartNoLossReadings</extracomment>
        <translation>Diese Strecke hat keine Messwerte der optischen Dämpfung für ein Diagramm.</translation>
    </message>
    <message id="45507">
        <source>Circuits %1 to %2 of %3</source>
        <extracomment>LinkChartCircuitsOf</extracomment>
        <translation>Strecken %1 bis %2 von %3</translation>
    </message>
    <message id="45508">
        <source>No link is open.</source>
        <extracomment>LinkChartNoLink</extracomment>
        <translation>Keine Strecke ist geöffnet.</translation>
    </message>
    <message id="45509">
        <source>E&amp;xport</source>
        <extracomment>MenuExport</extracomment>
        <translation>E&amp;xportieren</translation>
    </message>
    <message id="45510">
        <source>&amp;PDF Report...</source>
        <extracomment>MenuExportPdf</extracomment>
        <translation>&amp;PDF-Bericht...</translation>
    </message>
    <message id="45511">
        <source>&amp;CSV...</source>
        <extracomment>MenuExportCsv</extracomment>
        <translation>&amp;CSV...</translation>
    </message>
    <message id="45512">
        <source>&amp;Link Chart</source>
        <extracomment>MenuLinkChart</extracomment>
        <translation>&amp;Streckendiagramm</translation>
    </message>
    <message id="45513">
        <source>Export PDF Report</source>
        <extracomment>ExportPdfTitle</extracomment>
        <translation>PDF-Bericht exportieren</translation>
    </message>
    <message id="45514">
        <source>Export CSV</source>
        <extracomment>ExportCsvTitle</extracomment>
        <translation>CSV exportieren</translation>
    </message>
    <message id="45515">
        <source>Report</source>
        <extracomment>ExportReportGroup</extracomment>
        <translation>Bericht</translation>
    </message>
    <message id="45516">
        <source>&amp;Details: one page per circuit</source>
        <extracomment>ExportDetails</extracomment>
        <translation>&amp;Details: eine Seite je Strecke</translation>
    </message>
    <message id="45517">
        <source>&amp;Summary: one line per circuit</source>
        <extracomment>ExportSummary</extracomment>
        <translation>Ü&amp;bersicht: eine Zeile je Strecke</translation>
    </message>
    <message id="45518">
        <source>Add a &amp;chart page per link</source>
        <extracomment>ExportCharts</extracomment>
        <translation>Je Strecke eine &amp;Diagrammseite anfügen</translation>
    </message>
    <message id="45519">
        <source>Circuits</source>
        <extracomment>ExportCircuitsGroup</extracomment>
        <translation>Strecken</translation>
    </message>
    <message id="45520">
        <source>&amp;All circuits</source>
        <extracomment>ExportAllCircuits</extracomment>
        <translation>&amp;Alle Strecken</translation>
    </message>
    <message id="45521">
        <source>The current &amp;link (%1)</source>
        <extracomment>ExportCurrentLink</extracomment>
        <translation>Die aktuelle &amp;Strecke (%1)</translation>
    </message>
    <message id="45522">
        <source>&amp;Failing circuits only</source>
        <extracomment>ExportFailingOnly</extracomment>
        <translation>Nur &amp;nicht bestandene Strecken</translation>
    </message>
    <message id="45523">
        <source>No circuit is chosen: there is nothing to export.</source>
        <extracomment>ExportNothingChosen</extracomment>
        <translation>Keine Strecke ist gewählt: Es gibt nichts zu exportieren.</translation>
    </message>
    <message id="45524">
        <source>PDF files (*.pdf)</source>
        <extracomment>ExportPdfFilter</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message id="45525">
        <source>CSV files (*.csv)</source>
        <extracomment>ExportCsvFilter</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message id="45526">
        <source>Written: %1</source>
        <extracomment>ExportWritten</extracomment>
        <translation>Geschrieben: %1</translation>
    </message>
    <message id="45527">
        <source>Circuits</source>
        <extracomment>PrintCircuitsTab</extracomment>
        <translation>Strecken</translation>
    </message>
    <message id="45528">
        <source>Exporting...</source>
        <extracomment>ExportJob</extracomment>
        <translation>Exportieren...</translation>
    </message>

    <!-- The circuit browser (45530-45549) -->
    <message id="45530">
        <source>Circuit Browser</source>
        <extracomment>BrowserDockTitle</extracomment>
        <translation>Strecken-Browser</translation>
    </message>
    <message id="45531">
        <source>Circuit &amp;Browser</source>
        <extracomment>MenuCircuitBrowser</extracomment>
        <translation>&amp;Strecken-Browser</translation>
    </message>
    <message id="45532">
        <source>Show or hide the tree and table of every circuit</source>
        <extracomment>PromptCircuitBrowser</extracomment>
        <translation>Baum und Tabelle aller Strecken ein- oder ausblenden</translation>
    </message>
    <message id="45533">
        <source>All Circuits</source>
        <extracomment>BrowserAllCircuits</extracomment>
        <translation>Alle Strecken</translation>
    </message>
    <message id="45534">
        <source>Company / Link</source>
        <extracomment>BrowserTreeName</extracomment>
        <translation>Firma / Link</translation>
    </message>
    <message id="45535">
        <source>Circuits</source>
        <extracomment>BrowserTreeCircuits</extracomment>
        <translation>Strecken</translation>
    </message>
    <message id="45536">
        <source>Failing</source>
        <extracomment>BrowserTreeFailing</extracomment>
        <translation>Nicht i.O.</translation>
    </message>
    <message id="45537">
        <source>Link</source>
        <extracomment>BrowserColumnLink</extracomment>
        <translation>Link</translation>
    </message>
    <message id="45538">
        <source>Circuit</source>
        <extracomment>BrowserColumnCircuit</extracomment>
        <translation>Strecke</translation>
    </message>
    <message id="45539">
        <source>Test Date</source>
        <extracomment>BrowserColumnTestDate</extracomment>
        <translation>Messdatum</translation>
    </message>
    <message id="45540">
        <source>%1 Loss</source>
        <extracomment>BrowserColumnLoss</extracomment>
        <translation>%1 Dämpfung</translation>
    </message>
    <message id="45541">
        <source>%1 Overhead</source>
        <extracomment>BrowserColumnOverhead</extracomment>
        <translation>%1 Systemreserve</translation>
    </message>
    <message id="45542">
        <source>%1 Verdict</source>
        <extracomment>BrowserColumnVerdict</extracomment>
        <translation>%1 Ergebnis</translation>
    </message>
    <message id="45543">
        <source>All</source>
        <extracomment>BrowserFilterAll</extracomment>
        <translation>Alle</translation>
    </message>
    <message id="45544">
        <source>Failing</source>
        <extracomment>BrowserFilterFailing</extracomment>
        <translation>Nicht i.O.</translation>
    </message>
    <message id="45545">
        <source>Notes</source>
        <extracomment>BrowserFilterNotes</extracomment>
        <translation>Mit Hinweis</translation>
    </message>
    <message id="45546">
        <source>Filter by link, circuit or company</source>
        <extracomment>BrowserFilterTextHint</extracomment>
        <translation>Nach Link, Strecke oder Firma filtern</translation>
    </message>
    <message id="45547">
        <source>%1 of %2 circuits</source>
        <extracomment>BrowserShownCount</extracomment>
        <translation>%1 von %2 Strecken</translation>
    </message>
    <message id="45548">
        <source>Show circuits</source>
        <extracomment>BrowserVerdictFilterName</extracomment>
        <translation>Strecken anzeigen</translation>
    </message>
    <message id="45549">
        <source>Clear the filter</source>
        <extracomment>BrowserClearFilterName</extracomment>
        <translation>Filter leeren</translation>
    </message>

    <!-- Undo and redo (45550-45569) -->
    <message id="45550">
        <source>&amp;Undo %1	Ctrl+Z</source>
        <extracomment>MenuUndoStep</extracomment>
        <translation>&amp;Rückgängig: %1	Strg+Z</translation>
    </message>
    <message id="45551">
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <extracomment>MenuRedo</extracomment>
        <translation>&amp;Wiederholen	Strg+Umschalt+Z</translation>
    </message>
    <message id="45552">
        <source>&amp;Redo %1	Ctrl+Shift+Z</source>
        <extracomment>MenuRedoStep</extracomment>
        <translation>&amp;Wiederholen: %1	Strg+Umschalt+Z</translation>
    </message>
    <message id="45553">
        <source>Redo the last action undone
Redo</source>
        <extracomment>PromptRedo</extracomment>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message id="45554">
        <source>Typing</source>
        <extracomment>StepTyping</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message id="45555">
        <source>Rename Circuit %1</source>
        <extracomment>StepRenameCircuit</extracomment>
        <translation>Strecke %1 umbenennen</translation>
    </message>
    <message id="45556">
        <source>Rename Link %1</source>
        <extracomment>StepRenameLink</extracomment>
        <translation>Link %1 umbenennen</translation>
    </message>
    <message id="45557">
        <source>Change Comment of Link %1</source>
        <extracomment>StepLinkComment</extracomment>
        <translation>Kommentar von Link %1 ändern</translation>
    </message>
    <message id="45558">
        <source>Rename Company %1</source>
        <extracomment>StepRenameCompany</extracomment>
        <translation>Firma %1 umbenennen</translation>
    </message>
    <message id="45559">
        <source>Change Telephone of %1</source>
        <extracomment>StepCompanyTelephone</extracomment>
        <translation>Telefon von %1 ändern</translation>
    </message>
    <message id="45560">
        <source>Delete Circuit %2 of Link %1</source>
        <extracomment>StepDeleteCircuit</extracomment>
        <translation>Strecke %2 von Link %1 löschen</translation>
    </message>
    <message id="45561">
        <source>The step could not be undone or redone, and the list of steps to undo was cleared: %1</source>
        <extracomment>UndoFailed</extracomment>
        <translation>Der Schritt konnte nicht rückgängig gemacht oder wiederholt werden, und die Liste der Schritte wurde geleert: %1</translation>
    </message>
    <message id="45562">
        <source>The circuit of this step is no longer in the document.</source>
        <extracomment>StepCircuitGone</extracomment>
        <translation>Die Strecke dieses Schritts ist nicht mehr im Dokument.</translation>
    </message>
    <!-- Serial ports by their Linux names (45570-45599) -->
    <message id="45570">
        <source>Permission denied on %1: add yourself to the dialout group (sudo adduser $USER dialout) and log in again</source>
        <extracomment>PortPermissionDenied</extracomment>
        <translation>Zugriff auf %1 verweigert: Nehmen Sie sich in die Gruppe dialout auf (sudo adduser $USER dialout) und melden Sie sich neu an</translation>
    </message>
    <message id="45571">
        <source>%1 is in use by another program</source>
        <extracomment>PortInUse</extracomment>
        <translation>%1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message id="45572">
        <source>%1: no such file</source>
        <extracomment>PortNoSuchFile</extracomment>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message id="45573">
        <source>%1 is not a serial port</source>
        <extracomment>PortNotSerial</extracomment>
        <translation>%1 ist keine serielle Schnittstelle</translation>
    </message>
    <message id="45574">
        <source>These serial ports could not be opened:
%1</source>
        <extracomment>PortsRefusedInSearch</extracomment>
        <translation>Diese seriellen Schnittstellen konnten nicht geöffnet werden:
%1</translation>
    </message>
    <message id="45575">
        <source>No meter answers on %1</source>
        <extracomment>NoMeterAnswersOn</extracomment>
        <translation>An %1 antwortet kein Messgerät</translation>
    </message>
    <message id="45576">
        <source>Seria&amp;l Port...</source>
        <extracomment>MenuSerialPort</extracomment>
        <translation>Serielle Sc&amp;hnittstelle...</translation>
    </message>
    <message id="45577">
        <source>Choose the serial port the meter is connected to
Serial Port</source>
        <extracomment>PromptSerialPort</extracomment>
        <translation>Die serielle Schnittstelle wählen, an der das Messgerät angeschlossen ist
Serielle Schnittstelle</translation>
    </message>
    <message id="45578">
        <source>Serial Port</source>
        <extracomment>SerialPortCaption</extracomment>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message id="45579">
        <source>The port the meter is connected to:</source>
        <extracomment>SerialPortQuestion</extracomment>
        <translation>Die Schnittstelle, an der das Messgerät angeschlossen ist:</translation>
    </message>
    <message id="45580">
        <source>Automatic (search COM1 to COM20)</source>
        <extracomment>SerialPortAutomatic</extracomment>
        <translation>Automatisch (COM1 bis COM20 durchsuchen)</translation>
    </message>
    <message id="45581">
        <source>%1 (missing)</source>
        <extracomment>SerialPortMissing</extracomment>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message id="45582">
        <source>No serial port was found on this computer.</source>
        <extracomment>SerialPortNoneFound</extracomment>
        <translation>Auf diesem Computer wurde keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message id="45583">
        <source>Probing %1</source>
        <extracomment>ProbingDevice</extracomment>
        <translation>%1 wird geprüft</translation>
    </message>
    <!-- The program's own folders and its log (45600-45619) -->
    <message id="45600">
        <source>The folder %1 cannot be made: %2.</source>
        <extracomment>UserFolderCannotBeMade</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message id="45601">
        <source>The folder %1 is not used: it is a symbolic link.</source>
        <extracomment>UserFolderIsLink</extracomment>
        <translation>Der Ordner %1 wird nicht verwendet: Er ist eine symbolische Verknüpfung.</translation>
    </message>
    <message id="45602">
        <source>The folder %1 is not used: it is not a folder.</source>
        <extracomment>UserFolderNotAFolder</extracomment>
        <translation>Der Ordner %1 wird nicht verwendet: Er ist kein Ordner.</translation>
    </message>
    <message id="45603">
        <source>The folder %1 is not used: it belongs to another user.</source>
        <extracomment>UserFolderOfAnotherUser</extracomment>
        <translation>Der Ordner %1 wird nicht verwendet: Er gehört einem anderen Benutzer.</translation>
    </message>
    <message id="45604">
        <source>The folder %1 is not used: others may use it (mode %2).</source>
        <extracomment>UserFolderOpenToOthers</extracomment>
        <translation>Der Ordner %1 wird nicht verwendet: Andere dürfen ihn benutzen (Modus %2).</translation>
    </message>
    <!-- The command line's own texts (45620-45639) -->
    <message id="45620">
        <source>%1 link</source>
        <extracomment>CliLinkCountOne</extracomment>
        <translation>%1 Link</translation>
    </message>
    <message id="45621">
        <source>%1 links</source>
        <extracomment>CliLinkCountMany</extracomment>
        <translation>%1 Links</translation>
    </message>
    <message id="45622">
        <source>%1 circuit</source>
        <extracomment>CliCircuitCountOne</extracomment>
        <translation>%1 Strecke</translation>
    </message>
    <message id="45623">
        <source>%1 circuits</source>
        <extracomment>CliCircuitCountMany</extracomment>
        <translation>%1 Strecken</translation>
    </message>
    <message id="45624">
        <source>stored %1 and %2 in %3</source>
        <extracomment>CliStoredIn</extracomment>
        <translation>%1 und %2 in %3 gespeichert</translation>
    </message>
    <message id="45625">
        <source>replaced %1 measured again (same name, test date and meter)</source>
        <extracomment>CliReplacedLinks</extracomment>
        <translation>erneut gemessen (gleicher Name, Prüfdatum und Messgerät) und ersetzt: %1</translation>
    </message>
    <message id="45626">
        <source>%1 entry</source>
        <extracomment>CliEntryCountOne</extracomment>
        <translation>%1 Eintrag</translation>
    </message>
    <message id="45627">
        <source>%1 entries</source>
        <extracomment>CliEntryCountMany</extracomment>
        <translation>%1 Einträge</translation>
    </message>
    <message id="45628">
        <source>saved %1 of %2 to %3</source>
        <extracomment>CliSavedStandard</extracomment>
        <translation>%1 von %2 in %3 gespeichert</translation>
    </message>
    <message id="45629">
        <source>%1 page</source>
        <extracomment>CliPageCountOne</extracomment>
        <translation>%1 Seite</translation>
    </message>
    <message id="45630">
        <source>%1 pages</source>
        <extracomment>CliPageCountMany</extracomment>
        <translation>%1 Seiten</translation>
    </message>
    <message id="45631">
        <source>wrote %1 to %2</source>
        <extracomment>CliWrotePages</extracomment>
        <translation>%1 in %2 geschrieben</translation>
    </message>
    <message id="45632">
        <source>standard output</source>
        <extracomment>CliStandardOutput</extracomment>
        <translation>die Standardausgabe</translation>
    </message>
    <!-- The user guide (45640-45649) -->
    <message id="45640">
        <source>Open the user guide in the web browser
User Guide</source>
        <extracomment>PromptUserGuide</extracomment>
        <translation>Das Benutzerhandbuch im Webbrowser öffnen
Benutzerhandbuch</translation>
    </message>
    <message id="45641">
        <source>&amp;User Guide	F1</source>
        <extracomment>MenuUserGuide</extracomment>
        <translation>&amp;Benutzerhandbuch	F1</translation>
    </message>
    <message id="45642">
        <source>The user guide is not installed. It was looked for in these folders:
%1</source>
        <extracomment>GuideMissing</extracomment>
        <translation>Das Benutzerhandbuch ist nicht installiert. Es wurde in diesen Ordnern gesucht:
%1</translation>
    </message>
    <message id="45643">
        <source>The user guide %1 could not be opened: no web browser was found.</source>
        <extracomment>GuideNotOpened</extracomment>
        <translation>Das Benutzerhandbuch %1 konnte nicht geöffnet werden: Es wurde kein Webbrowser gefunden.</translation>
    </message>
    <!-- The team server (45650-45699) -->
    <message id="45650">
        <source>Tea&amp;m Server...</source>
        <extracomment>MenuTeamServer</extracomment>
        <translation>Tea&amp;mserver...</translation>
    </message>
    <message id="45651">
        <source>Set the team server that results are published to and opened from
Team Server</source>
        <extracomment>PromptTeamServer</extracomment>
        <translation>Den Teamserver einstellen, auf dem Ergebnisse veröffentlicht und von dem sie geöffnet werden
Teamserver</translation>
    </message>
    <message id="45652">
        <source>P&amp;ublish to Team Server...</source>
        <extracomment>MenuPublishToTeamServer</extracomment>
        <translation>Auf Teamserver &amp;veröffentlichen...</translation>
    </message>
    <message id="45653">
        <source>Save the open test database and publish its links on the team server
Publish to Team Server</source>
        <extracomment>PromptPublishToTeamServer</extracomment>
        <translation>Die offene Testdatenbank speichern und ihre Strecken auf dem Teamserver veröffentlichen
Auf Teamserver veröffentlichen</translation>
    </message>
    <message id="45654">
        <source>Open &amp;from Team Server...</source>
        <extracomment>MenuOpenFromTeamServer</extracomment>
        <translation>Vom &amp;Teamserver öffnen...</translation>
    </message>
    <message id="45655">
        <source>Open links of the team server as a new document
Open from Team Server</source>
        <extracomment>PromptOpenFromTeamServer</extracomment>
        <translation>Strecken des Teamservers als neues Dokument öffnen
Vom Teamserver öffnen</translation>
    </message>
    <message id="45656">
        <source>Team Server</source>
        <extracomment>TeamServerCaption</extracomment>
        <translation>Teamserver</translation>
    </message>
    <message id="45657">
        <source>&amp;Connection string (a libpq string or URI, without a password):</source>
        <extracomment>TeamServerAddressLabel</extracomment>
        <translation>&amp;Verbindungszeichenfolge (libpq-Zeichenfolge oder URI, ohne Kennwort):</translation>
    </message>
    <message id="45658">
        <source>Left empty, FIBROLOG_SERVER is used: %1</source>
        <extracomment>TeamServerEmptyUsesEnvironment</extracomment>
        <translation>Bleibt das Feld leer, wird FIBROLOG_SERVER verwendet: %1</translation>
    </message>
    <message id="45659">
        <source>Left empty, no team server is used.</source>
        <extracomment>TeamServerEmptyIsNone</extracomment>
        <translation>Bleibt das Feld leer, wird kein Teamserver verwendet.</translation>
    </message>
    <message id="45660">
        <source>The password comes from ~/.pgpass, PGPASSFILE or a service file.</source>
        <extracomment>TeamServerPasswordNote</extracomment>
        <translation>Das Kennwort kommt aus ~/.pgpass, PGPASSFILE oder einer Dienstdatei.</translation>
    </message>
    <message id="45661">
        <source>&amp;Test</source>
        <extracomment>TeamServerTest</extracomment>
        <translation>&amp;Testen</translation>
    </message>
    <message id="45662">
        <source>Connected: schema %1, %2 links, %3 circuits</source>
        <extracomment>TeamServerConnected</extracomment>
        <translation>Verbunden: Schema %1, %2 Strecken, %3 Fasern</translation>
    </message>
    <message id="45663">
        <source>Not connected: %1</source>
        <extracomment>TeamServerNotConnected</extracomment>
        <translation>Nicht verbunden: %1</translation>
    </message>
    <message id="45664">
        <source>Connecting to the team server</source>
        <extracomment>TeamServerConnecting</extracomment>
        <translation>Verbindung zum Teamserver wird hergestellt</translation>
    </message>
    <message id="45665">
        <source>Waiting for another publish to finish</source>
        <extracomment>TeamServerWaitingForPublish</extracomment>
        <translation>Warten, bis eine andere Veröffentlichung beendet ist</translation>
    </message>
    <message id="45666">
        <source>Sending the links</source>
        <extracomment>TeamServerSendingLinks</extracomment>
        <translation>Die Strecken werden gesendet</translation>
    </message>
    <message id="45667">
        <source>Sending %1 circuits</source>
        <extracomment>TeamServerSendingCircuits</extracomment>
        <translation>%1 Fasern werden gesendet</translation>
    </message>
    <message id="45668">
        <source>Publishing %1 on the team server</source>
        <extracomment>TeamServerPublishing</extracomment>
        <translation>%1 wird auf dem Teamserver veröffentlicht</translation>
    </message>
    <message id="45669">
        <source>Published %1 links, %2 circuits; %3 replaced</source>
        <extracomment>TeamServerPublished</extracomment>
        <translation>%1 Strecken, %2 Fasern veröffentlicht; %3 ersetzt</translation>
    </message>
    <message id="45670">
        <source>No team server is set. Set one now?</source>
        <extracomment>TeamServerNotSet</extracomment>
        <translation>Es ist kein Teamserver eingestellt. Jetzt einen einstellen?</translation>
    </message>
    <message id="45671">
        <source>The links were not published on the team server:
%1</source>
        <extracomment>TeamServerPublishFailed</extracomment>
        <translation>Die Strecken wurden nicht auf dem Teamserver veröffentlicht:
%1</translation>
    </message>
    <message id="45672">
        <source>Cancelled; the team server was not changed.</source>
        <extracomment>TeamServerUnchanged</extracomment>
        <translation>Abgebrochen; der Teamserver wurde nicht geändert.</translation>
    </message>
    <message id="45673">
        <source>Open from Team Server</source>
        <extracomment>TeamServerOpenCaption</extracomment>
        <translation>Vom Teamserver öffnen</translation>
    </message>
    <message id="45674">
        <source>&amp;Company:</source>
        <extracomment>TeamServerCompanyLabel</extracomment>
        <translation>&amp;Firma:</translation>
    </message>
    <message id="45675">
        <source>Link &amp;name:</source>
        <extracomment>TeamServerNameLabel</extracomment>
        <translation>Strecken&amp;name:</translation>
    </message>
    <message id="45676">
        <source>Tested &amp;since:</source>
        <extracomment>TeamServerSinceLabel</extracomment>
        <translation>Getestet &amp;seit:</translation>
    </message>
    <message id="45677">
        <source>&amp;Search</source>
        <extracomment>TeamServerSearch</extracomment>
        <translation>&amp;Suchen</translation>
    </message>
    <message id="45678">
        <source>Company	Link	Test date	Meter	Circuits	Published by	Published at</source>
        <extracomment>TeamServerColumns</extracomment>
        <translation>Firma	Strecke	Testdatum	Messgerät	Fasern	Veröffentlicht von	Veröffentlicht am</translation>
    </message>
    <message id="45679">
        <source>%1 of %2 links selected</source>
        <extracomment>TeamServerSelectedCount</extracomment>
        <translation>%1 von %2 Strecken ausgewählt</translation>
    </message>
    <message id="45680">
        <source>Only the first %1 matching links are listed: narrow the filter to see the others.</source>
        <extracomment>TeamServerMoreLinks</extracomment>
        <translation>Nur die ersten %1 passenden Strecken werden aufgeführt: Grenzen Sie den Filter ein, um die anderen zu sehen.</translation>
    </message>
    <message id="45681">
        <source>Reading the links of the team server</source>
        <extracomment>TeamServerReadingLinks</extracomment>
        <translation>Die Strecken des Teamservers werden gelesen</translation>
    </message>
    <message id="45682">
        <source>The links of the team server could not be read:
%1</source>
        <extracomment>TeamServerListFailed</extracomment>
        <translation>Die Strecken des Teamservers konnten nicht gelesen werden:
%1</translation>
    </message>
    <message id="45683">
        <source>Fetching the chosen links from the team server</source>
        <extracomment>TeamServerFetching</extracomment>
        <translation>Die gewählten Strecken werden vom Teamserver geholt</translation>
    </message>
    <message id="45684">
        <source>The links could not be fetched from the team server:
%1</source>
        <extracomment>TeamServerFetchFailed</extracomment>
        <translation>Die Strecken konnten nicht vom Teamserver geholt werden:
%1</translation>
    </message>
    <message id="45685">
        <source>Opened %1 links, %2 circuits from the team server; save them where you want them.</source>
        <extracomment>TeamServerFetched</extracomment>
        <translation>%1 Strecken, %2 Fasern vom Teamserver geöffnet; speichern Sie sie, wo Sie sie haben möchten.</translation>
    </message>
    <message id="45686">
        <source>No link on the team server matches any more; nothing was opened.</source>
        <extracomment>TeamServerNoLinkMatches</extracomment>
        <translation>Keine Strecke auf dem Teamserver passt mehr; es wurde nichts geöffnet.</translation>
    </message>
    <message id="45687">
        <source>Cancelled; nothing was opened.</source>
        <extracomment>TeamServerNothingOpened</extracomment>
        <translation>Abgebrochen; es wurde nichts geöffnet.</translation>
    </message>
    <message id="45688">
        <source>%1 exists already; the links are fetched into a new file only.</source>
        <extracomment>TeamServerFileExists</extracomment>
        <translation>%1 existiert bereits; die Strecken werden nur in eine neue Datei geholt.</translation>
    </message>
</context>
</TS>
