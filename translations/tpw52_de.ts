<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <source>answer every question with Yes, OK or Retry (the region question, a busy radio)</source>
        <translation>jede Frage mit Ja, OK oder Wiederholen beantworten (die Frage nach der Region, ein belegtes Funkgerät)</translation>
    </message>
    <message>
        <source>answer every question with No or Cancel (the default without a terminal)</source>
        <translation>jede Frage mit Nein oder Abbrechen beantworten (ohne Terminal die Vorgabe)</translation>
    </message>
    <message>
        <source>program this ten-digit ATIS code instead of the data&apos;s own (a radio takes its code only once)</source>
        <translation>diesen zehnstelligen ATIS-Code statt des Codes der Daten programmieren (ein Funkgerät nimmt seinen Code nur einmal an)</translation>
    </message>
    <message>
        <source>--atis-code: &quot;%1&quot; is not an ATIS code, which is ten digits. Give the code of the boat&apos;s licence, or leave --atis-code out to program the data&apos;s own code. Nothing was written.</source>
        <translation>--atis-code: „%1“ ist kein ATIS-Code, der aus zehn Ziffern besteht. Geben Sie den Code aus der Frequenzzuteilung des Schiffs an, oder lassen Sie --atis-code weg, um den Code der Daten zu programmieren. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was written: the ATIS code %1 was not kept. Give the boat&apos;s own code with --atis-code.</source>
        <translation>Es wurde nichts geschrieben: der ATIS-Code %1 wurde nicht übernommen. Geben Sie den eigenen Code des Schiffs mit --atis-code an.</translation>
    </message>
    <message>
        <source>List the backups of radio data that every read and write keeps, oldest first. Each is an image file (.hex): &quot;write IN.hex&quot; programs it back, &quot;convert&quot; turns it into a channel data file.</source>
        <translation>Listet die Sicherungen der Funkgerätedaten, die jedes Lesen und Schreiben anlegt, die älteste zuerst. Jede ist eine Image-Datei (.hex): „write IN.hex“ schreibt sie zurück, „convert“ macht daraus eine Kanaldatendatei.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, and </source>
        <translation>%1 ist eine Verknüpfung zu %2, und </translation>
    </message>
    <message>
        <source>The backups cannot be listed, and no read or write of a radio can keep one: %1%2</source>
        <translation>Die Sicherungen können nicht aufgelistet werden, und kein Lesen oder Schreiben eines Funkgeräts kann eine anlegen: %1%2</translation>
    </message>
    <message>
        <source>There are no backups yet in %1. Every read and every write of a radio keeps one there.</source>
        <translation>In %1 gibt es noch keine Sicherungen. Jedes Lesen und jedes Schreiben eines Funkgeräts legt dort eine ab.</translation>
    </message>
    <message>
        <source>Test the cable and the port: open PORT, see whether the cable returns what it is sent, ping the radio and ask what it is (model, region, ATIS code). Reads nothing else and writes nothing.</source>
        <translation>Kabel und Anschluss prüfen: PORT öffnen, sehen, ob das Kabel zurückgibt, was es erhält, das Funkgerät anpingen und fragen, was es ist (Modell, Region, ATIS-Code). Liest sonst nichts und schreibt nichts.</translation>
    </message>
    <message>
        <source>serial port of the programming cable</source>
        <translation>serieller Anschluss des Programmierkabels</translation>
    </message>
    <message>
        <source>stay at 19200 baud (/E)</source>
        <translation>bei 19200 Baud bleiben (/E)</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio, so that the next write can program a new one. The radio&apos;s ATIS counter takes the base&apos;s value.</source>
        <translation>Den ATIS-Code im Funkgerät löschen, damit das nächste Schreiben einen neuen programmieren kann. Der ATIS-Zähler des Funkgeräts nimmt den Wert der Basis an.</translation>
    </message>
    <message>
        <source>save the PC&apos;s data, without the code, to this image file</source>
        <translation>die Daten des PCs ohne den Code in dieser Image-Datei speichern</translation>
    </message>
    <message>
        <source>Convert IN (.hex image or .dat data file) to OUT (.hex, .dat or .txt report). An image is decoded, encoded and corrected as before a write to the radio, so an OUT image holds exactly the bytes a write starts from. A data file is read over a base data set, with its model and region checks.</source>
        <translation>IN (.hex-Image oder .dat-Datendatei) in OUT umwandeln (.hex, .dat oder .txt-Bericht). Ein Image wird wie vor dem Schreiben ins Funkgerät dekodiert, kodiert und berichtigt, so dass ein OUT-Image genau die Bytes enthält, mit denen ein Schreiben beginnt. Eine Datendatei wird über einen Basis-Datensatz gelesen, mit dessen Prüfung von Modell und Region.</translation>
    </message>
    <message>
        <source>input: image file (.hex) or data file (.dat)</source>
        <translation>Eingabe: Image-Datei (.hex) oder Datendatei (.dat)</translation>
    </message>
    <message>
        <source>output: image (.hex), data file (.dat) or report (.txt)</source>
        <translation>Ausgabe: Image (.hex), Datendatei (.dat) oder Bericht (.txt)</translation>
    </message>
    <message>
        <source>OUT must end in .hex, .dat or .txt</source>
        <translation>OUT muss auf .hex, .dat oder .txt enden</translation>
    </message>
    <message>
        <source>%1 %2 must be a table of channels ending in .csv. Give a name ending in .csv.</source>
        <translation>%1 %2 muss eine Kanaltabelle mit der Endung .csv sein. Geben Sie einen Namen an, der auf .csv endet.</translation>
    </message>
    <message>
        <source>Save the channel lists of DATA (.hex image or .dat data file) as OUT.csv: a row per channel, its list in the column List, a column per field under its data-file key.</source>
        <translation>Die Kanallisten von DATA (.hex-Image oder .dat-Datendatei) als OUT.csv speichern: eine Zeile je Kanal, seine Liste in der Spalte List, eine Spalte je Feld unter seinem Schlüssel der Datendatei.</translation>
    </message>
    <message>
        <source>image file (.hex) or data file (.dat)</source>
        <translation>Image-Datei (.hex) oder Datendatei (.dat)</translation>
    </message>
    <message>
        <source>the table to save (.csv)</source>
        <translation>die zu speichernde Tabelle (.csv)</translation>
    </message>
    <message>
        <source>Replace the channel lists of DATA (.hex or .dat) that IN.csv holds rows for, and save the result as OUT (.hex or .dat). The other lists stay as they are. Refused rows are listed with their line; then nothing is imported unless --yes imports the other rows.</source>
        <translation>Die Kanallisten von DATA (.hex oder .dat) ersetzen, für die IN.csv Zeilen enthält, und das Ergebnis als OUT (.hex oder .dat) speichern. Die anderen Listen bleiben, wie sie sind. Abgelehnte Zeilen werden mit ihrer Zeilennummer aufgeführt; dann wird nichts importiert, außer --yes importiert die übrigen Zeilen.</translation>
    </message>
    <message>
        <source>the table of channels (.csv)</source>
        <translation>die Kanaltabelle (.csv)</translation>
    </message>
    <message>
        <source>where the result goes: image (.hex) or data file (.dat)</source>
        <translation>wohin das Ergebnis geht: Image (.hex) oder Datendatei (.dat)</translation>
    </message>
    <message>
        <source>give an image (.hex) or a data file (.dat).</source>
        <translation>geben Sie ein Image (.hex) oder eine Datendatei (.dat) an.</translation>
    </message>
    <message>
        <source>List the destination templates of the program&apos;s data folder: name, region and file, in the order of the destination menu.</source>
        <translation>Die Zielvorlagen im Datenordner des Programms auflisten: Name, Region und Datei, in der Reihenfolge des Zielmenüs.</translation>
    </message>
    <message>
        <source>No destination template in %1</source>
        <translation>Keine Zielvorlage in %1</translation>
    </message>
    <message>
        <source>bad file</source>
        <translation>defekte Datei</translation>
    </message>
    <message>
        <source>diff compares A with one other data set: give the file B, or --port PORT to compare A with the radio on that port (see tpw52-cli diff --help).</source>
        <translation>diff vergleicht A mit einem anderen Datensatz: geben Sie die Datei B an oder --port PORT, um A mit dem Funkgerät an diesem Anschluss zu vergleichen (siehe tpw52-cli diff --help).</translation>
    </message>
    <message>
        <source>Compare A with B, or with the radio on --port, setting by setting in the words of the desktop application: one difference a line (where, setting, A&apos;s value and the other&apos;s), channels only one side has, and runs of bytes no setting shows. A and B are image files (.hex) or channel data files (.dat); a data file A is read over the base, a data file B over A&apos;s image, each with the region it gives. The radio is read as the read command reads it, with its backup. Exit status 0 the same, 1 different, 2 trouble.</source>
        <translation>A mit B oder mit dem Funkgerät an --port vergleichen, Einstellung für Einstellung in den Worten der Desktop-Anwendung: ein Unterschied je Zeile (Ort, Einstellung, Wert von A und der andere), Kanäle, die nur eine Seite hat, und Byte-Bereiche, die keine Einstellung zeigt. A und B sind Image-Dateien (.hex) oder Kanaldatendateien (.dat); eine Datendatei A wird über die Basis gelesen, eine Datendatei B über das Image von A, jede mit der Region, die sie angibt. Das Funkgerät wird gelesen wie mit dem Befehl read, mit seiner Sicherung. Rückgabewert 0 gleich, 1 verschieden, 2 Störung.</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat)</source>
        <translation>Image-Datei (.hex) oder Kanaldatendatei (.dat)</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat); instead of --port</source>
        <translation>Image-Datei (.hex) oder Kanaldatendatei (.dat); statt --port</translation>
    </message>
    <message>
        <source>print a list of objects with the keys where, setting, this and other</source>
        <translation>eine Liste von Objekten mit den Schlüsseln where, setting, this und other ausgeben</translation>
    </message>
    <message>
        <source>Cannot read the plan %1: %2 No radio was touched.</source>
        <translation>Der Plan %1 kann nicht gelesen werden: %2 Kein Funkgerät wurde angesprochen.</translation>
    </message>
    <message>
        <source>%1, line %2: the ATIS code %3 was not kept. No radio was touched.</source>
        <translation>%1, Zeile %2: der ATIS-Code %3 wurde nicht übernommen. Kein Funkgerät wurde angesprochen.</translation>
    </message>
    <message>
        <source>The fleet was cancelled by %1.</source>
        <translation>Die Flotte wurde abgebrochen durch %1.</translation>
    </message>
    <message>
        <source>Program every radio of a plan at the same time with one data set, each on its own port with its own ATIS code, backups and trace. The plan is a CSV file with the heading port,atis_code,label and one radio a line. Prints one progress line per radio, then a summary; succeeds only when every radio verified.</source>
        <translation>Jedes Funkgerät eines Plans gleichzeitig mit einem Datensatz programmieren, jedes an seinem eigenen Anschluss mit eigenem ATIS-Code, eigenen Sicherungen und eigener Aufzeichnung. Der Plan ist eine CSV-Datei mit der Kopfzeile port,atis_code,label und einem Funkgerät je Zeile. Gibt eine Fortschrittszeile je Funkgerät aus, dann eine Zusammenfassung; gelingt nur, wenn jedes Funkgerät geprüft wurde.</translation>
    </message>
    <message>
        <source>read each radio&apos;s whole memory before programming it and keep that as its backup</source>
        <translation>vor dem Programmieren den ganzen Speicher jedes Funkgeräts lesen und als seine Sicherung aufbewahren</translation>
    </message>
    <message>
        <source>write the summary to this CSV file too</source>
        <translation>die Zusammenfassung auch in diese CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>the plan (.csv): port,atis_code,label</source>
        <translation>der Plan (.csv): port,atis_code,label</translation>
    </message>
    <message>
        <source>Print the hex dump of any file of 2048 bytes, an image file (.hex) or not; model words that are not those of a QZ815 are reported, and the dump is printed all the same.</source>
        <translation>Den Hex-Dump einer beliebigen Datei von 2048 Bytes ausgeben, ob Image-Datei (.hex) oder nicht; Modellkennungen, die nicht die eines QZ815 sind, werden gemeldet, und der Dump wird trotzdem ausgegeben.</translation>
    </message>
    <message>
        <source>file of 2048 bytes</source>
        <translation>Datei von 2048 Bytes</translation>
    </message>
    <message>
        <source>List the serial ports a programming cable can use.</source>
        <translation>Die seriellen Anschlüsse auflisten, die ein Programmierkabel nutzen kann.</translation>
    </message>
    <message>
        <source>Write the printed report of IN (.hex image or .dat data file) as a PDF file: the pages that File &gt; Print puts on paper, one section per page, long channel lists continued on the next sheet.</source>
        <translation>Den gedruckten Bericht von IN (.hex-Image oder .dat-Datendatei) als PDF-Datei schreiben: die Seiten, die Datei &gt; Drucken zu Papier bringt, ein Abschnitt je Seite, lange Kanallisten auf dem nächsten Blatt fortgesetzt.</translation>
    </message>
    <message>
        <source>the PDF file to write (.pdf)</source>
        <translation>die zu schreibende PDF-Datei (.pdf)</translation>
    </message>
    <message>
        <source>paper size: A4 (the default) or Letter</source>
        <translation>Papierformat: A4 (Vorgabe) oder Letter</translation>
    </message>
    <message>
        <source>--pdf must name a file ending in .pdf</source>
        <translation>--pdf muss eine Datei nennen, die auf .pdf endet</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory into the PC&apos;s data set and save it as an image file (.hex), a channel data file (.dat), or both. The bytes the radio does not own (0x000-0x001, 0x290-0x2FF) and the region check come from the base.</source>
        <translation>Den Speicher des Funkgeräts in den Datensatz des PCs lesen und als Image-Datei (.hex), Kanaldatendatei (.dat) oder beides speichern. Die Bytes, die nicht dem Funkgerät gehören (0x000-0x001, 0x290-0x2FF), und die Regionsprüfung kommen aus der Basis.</translation>
    </message>
    <message>
        <source>image file (.hex) to save what was read</source>
        <translation>Image-Datei (.hex) für das Gelesene</translation>
    </message>
    <message>
        <source>channel data file (.dat) to save what was read</source>
        <translation>Kanaldatendatei (.dat) für das Gelesene</translation>
    </message>
    <message>
        <source>--out or --dat is needed</source>
        <translation>--out oder --dat ist nötig</translation>
    </message>
    <message>
        <source>Print the text report of IN (.hex image or .dat data file). `convert IN OUT.txt` saves it as a file with CR LF line ends.</source>
        <translation>Den Textbericht von IN (.hex-Image oder .dat-Datendatei) ausgeben. `convert IN OUT.txt` speichert ihn als Datei mit CR-LF-Zeilenenden.</translation>
    </message>
    <message>
        <source>Program the radio from an image file (.hex) or a channel data file (.dat), as the desktop application does after opening that file and choosing Program to Radio. A data file is opened over the base (default: the first destination); an image file is its own base unless --base or --destination is given.</source>
        <translation>Das Funkgerät aus einer Image-Datei (.hex) oder einer Kanaldatendatei (.dat) programmieren, wie es die Desktop-Anwendung tut, nachdem sie diese Datei geöffnet hat und Ins Funkgerät schreiben gewählt wurde. Eine Datendatei wird über der Basis geöffnet (Vorgabe: das erste Ziel); eine Image-Datei ist ihre eigene Basis, außer --base oder --destination ist angegeben.</translation>
    </message>
    <message>
        <source>read the whole radio before programming it and keep that as a backup, so its exact prior state can be put back</source>
        <translation>vor dem Programmieren das ganze Funkgerät lesen und als Sicherung aufbewahren, damit sein genauer vorheriger Zustand wiederhergestellt werden kann</translation>
    </message>
    <message>
        <source>Ctrl-C (SIGINT)</source>
        <translation>Strg-C (SIGINT)</translation>
    </message>
    <message>
        <source>a request to end the program (SIGTERM)</source>
        <translation>eine Aufforderung, das Programm zu beenden (SIGTERM)</translation>
    </message>
    <message>
        <source>Ctrl-Break (SIGBREAK)</source>
        <translation>Strg-Pause (SIGBREAK)</translation>
    </message>
    <message>
        <source>the terminal hanging up (SIGHUP)</source>
        <translation>das Auflegen des Terminals (SIGHUP)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>Signal %1</translation>
    </message>
    <message>
        <source>image file (.hex) a data file is read over (default: a destination)</source>
        <translation>Image-Datei (.hex), über die eine Datendatei gelesen wird (Vorgabe: ein Ziel)</translation>
    </message>
    <message>
        <source>destination template a data file is read over, by name (see `destinations`; default: the first)</source>
        <translation>Zielvorlage, über die eine Datendatei gelesen wird, nach Namen (siehe `destinations`; Vorgabe: die erste)</translation>
    </message>
    <message>
        <source> Or give the image to start from with --base IMAGE.hex.</source>
        <translation> Oder geben Sie das Ausgangs-Image mit --base IMAGE.hex an.</translation>
    </message>
    <message>
        <source>No destination image was found in %1. Give the image to start from with --base IMAGE.hex.</source>
        <translation>In %1 wurde kein Ziel-Image gefunden. Geben Sie das Ausgangs-Image mit --base IMAGE.hex an.</translation>
    </message>
    <message>
        <source>There is no destination &quot;%1&quot;. The destinations are: %2.</source>
        <translation>Es gibt kein Ziel „%1“. Die Ziele sind: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: by its name it is neither an image (.hex) nor a channel data file (.dat). Give one of those, or rename the file if it is one.</source>
        <translation>%1 kann nicht gelesen werden: dem Namen nach ist es weder ein Image (.hex) noch eine Kanaldatendatei (.dat). Geben Sie eines davon an, oder benennen Sie die Datei um, wenn sie eines ist.</translation>
    </message>
    <message>
        <source>Cannot write %1: give an image (.hex), a data file (.dat) or a report (.txt).</source>
        <translation>%1 kann nicht geschrieben werden: geben Sie ein Image (.hex), eine Datendatei (.dat) oder einen Bericht (.txt) an.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 takes an image file (.hex). Give a name ending in .hex.</source>
        <translation>%1 nimmt eine Image-Datei (.hex). Geben Sie einen Namen an, der auf .hex endet.</translation>
    </message>
    <message>
        <source>%1 takes a channel data file (.dat). Give a name ending in .dat.</source>
        <translation>%1 nimmt eine Kanaldatendatei (.dat). Geben Sie einen Namen an, der auf .dat endet.</translation>
    </message>
    <message>
        <source>The radio&apos;s data were not saved to %1; run the command again once that file can be saved.</source>
        <translation>Die Daten des Funkgeräts wurden nicht in %1 gespeichert; führen Sie den Befehl erneut aus, sobald diese Datei gespeichert werden kann.</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>startet</translation>
    </message>
    <message>
        <source>reading first</source>
        <translation>liest zuerst</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schreibt</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>prüft</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>BEFEHLE</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>NÖTIG</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Braucht</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Schließt aus</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>The language of the messages: en, de, nl or fr (the system&apos;s by default)</source>
        <translation>Die Sprache der Meldungen: en, de, nl oder fr (Vorgabe: die des Systems)</translation>
    </message>
    <message>
        <source>%1 reads as an option. A file name that begins with a dash is given as ./%1, or after -- (tpw52-cli %2 ... -- %1).</source>
        <translation>%1 gilt als Option. Ein Dateiname, der mit einem Bindestrich beginnt, wird als ./%1 angegeben, oder nach -- (tpw52-cli %2 ... -- %1).</translation>
    </message>
    <message>
        <source>Programs the QZ815 marine VHF radio: image files, channel data files, reports.</source>
        <translation>Programmiert das UKW-Seefunkgerät QZ815: Image-Dateien, Kanaldatendateien, Berichte.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>Die Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>the program ran out of memory and stopped. Close other programs, then run the command again.</source>
        <translation>dem Programm ging der Speicher aus, und es hat angehalten. Schließen Sie andere Programme und führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>the program stopped on an unexpected failure: %1</source>
        <translation>das Programm hat wegen eines unerwarteten Fehlers angehalten: %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output: %1. Check where the output goes (a full disk, a closed pipe), then run the command again.</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1. Prüfen Sie, wohin die Ausgabe geht (ein volles Laufwerk, eine geschlossene Pipe), und führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>agreed</source>
        <translation>zugestimmt</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source> (--yes agreed to this question %1 times already)</source>
        <translation> (--yes hat dieser Frage schon %1 Mal zugestimmt)</translation>
    </message>
    <message>
        <source>verify the echo of every byte sent, for cables that return it (/NT)</source>
        <translation>das Echo jedes gesendeten Bytes prüfen, für Kabel, die es zurückgeben (/NT)</translation>
    </message>
    <message>
        <source>show the protocol trace and keep the error log (/D)</source>
        <translation>die Protokollaufzeichnung zeigen und das Fehlerprotokoll aufbewahren (/D)</translation>
    </message>
    <message>
        <source>keep no backup of the radio&apos;s data for this command</source>
        <translation>für diesen Befehl keine Sicherung der Funkgerätedaten anlegen</translation>
    </message>
    <message>
        <source>no port given: give the serial port of the programming cable (&quot;tpw52-cli ports&quot; lists them)</source>
        <translation>kein Anschluss angegeben: geben Sie den seriellen Anschluss des Programmierkabels an („tpw52-cli ports“ listet sie auf)</translation>
    </message>
    <message>
        <source>do not read back what was written to check that the radio holds it</source>
        <translation>das Geschriebene nicht zurücklesen, um zu prüfen, ob das Funkgerät es hält</translation>
    </message>
    <message>
        <source>The transfer was cancelled by %1.</source>
        <translation>Die Übertragung wurde abgebrochen durch %1.</translation>
    </message>
    <message>
        <source>Run with %1 for more information.</source>
        <translation>Mit %1 erfahren Sie mehr.</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Reverse DUP</source>
        <translation>DUP umgekehrt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Genau 2 Zeichen erforderlich.</translation>
    </message>
    <message>
        <source>SAVE: write this channel into the list.</source>
        <translation>SPEICHERN: diesen Kanal in die Liste schreiben.</translation>
    </message>
    <message>
        <source>CANCEL: back to the list without writing.</source>
        <translation>ABBRECHEN: zurück zur Liste, ohne zu schreiben.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Suchlauf-Pause</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Suchlauf-Ende mit PTT</translation>
    </message>
    <message>
        <source>Mode Select</source>
        <translation>Modusauswahl</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetterwarnung</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Ein (WX)</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Ein (Suchlauf)</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX und Suchlauf</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Zweikanalüberwachung</translation>
    </message>
    <message>
        <source>ATIS Mode</source>
        <translation>ATIS-Modus</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speziell</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]/[Links]/[Rechts]: Auswahl wechseln.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick],[Eingabe]: zur Einstellung springen.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]: Auswahl wechseln.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]: ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Nur Ziffern. Genau 10 Ziffern erforderlich.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Wählen: [x] ein / [ ] aus.</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>RG-Kanäle</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmierbare Kanäle</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>Neuer Kanal %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>Kanal %1 löschen</translation>
    </message>
    <message>
        <source>Cut channel %1</source>
        <translation>Kanal %1 ausschneiden</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>%1 Kanäle ausschneiden</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>Kanal %1 einfügen</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1 Kanäle einfügen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Usable Channel Group %1</source>
        <translation>Nutzbare Kanalgruppe %1</translation>
    </message>
    <message>
        <source>Priority CH %1</source>
        <translation>Vorrangkanal %1</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group %1</source>
        <translation>Nutzbare ATIS-Kanalgruppe %1</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>Correct the priority channels</source>
        <translation>Vorrangkanäle berichtigen</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 aktiv</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 Suchlauf</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanal aktiv</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden erlaubt</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlauf-Speicher</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Sprachverschleierung</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>Basiskanal-Nr.</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>Kanalstatus-Nr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbol</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>CH Display (right)</source>
        <translation>Kanalanzeige (rechts)</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>USA Group</source>
        <translation>USA-Gruppe</translation>
    </message>
    <message>
        <source>INT Group</source>
        <translation>INT-Gruppe</translation>
    </message>
    <message>
        <source>Region Group</source>
        <translation>Regionsgruppe</translation>
    </message>
    <message>
        <source>Usable CH Group</source>
        <translation>Nutzbare Kanalgruppe</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Vorrangkanal</translation>
    </message>
    <message>
        <source>TX Power Display</source>
        <translation>Anzeige Sendeleistung</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>DW/TW</source>
        <translation>DW/TW</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Time Display</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Nutzbare ATIS-Kanalgruppen</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Kanal hinzugefügt</translation>
    </message>
    <message>
        <source>Channel removed</source>
        <translation>Kanal entfernt</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Takes effect after a restart</source>
        <translation>Wirksam nach einem Neustart</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>CommunicatiOn Error!!</source>
        <translation>Übertragungsfehler!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Falscher Gerätetyp!</translation>
    </message>
    <message>
        <source>Region Unmatched !!</source>
        <translation>Region passt nicht!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>There is no port that can be used!!</source>
        <translation>Es gibt keine nutzbare Schnittstelle!</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: zu diesem Programm gibt es keine Hilfedatei.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Ungültige Eingabe!</translation>
    </message>
    <message>
        <source>Data Error!!<byte value="xd"/>
Please input correct data.</source>
        <translation>Ungültige Eingabe!<byte value="xd"/>
Bitte geben Sie gültige Daten ein.</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>In Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Clear ATIS Data</source>
        <translation>ATIS-Daten löschen</translation>
    </message>
    <message>
        <source>Clear Data ATIS</source>
        <translation>ATIS-Daten löschen</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Geräteprüfung</translation>
    </message>
    <message>
        <source>Keep this code?</source>
        <translation>Diesen Code behalten?</translation>
    </message>
    <message>
        <source>KVX data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Die KVX-Daten wurden geändert.<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Unbekanntes Modell!</translation>
    </message>
    <message>
        <source>The ATIS code %1 does not look like one: an ATIS code begins with 9, followed by the country code (%2 to %3) of the boat&apos;s country.</source>
        <translation>Der ATIS-Code %1 sieht nicht wie einer aus: ein ATIS-Code beginnt mit 9, gefolgt von der Ländernummer (%2 bis %3) des Heimatlandes des Schiffes.</translation>
    </message>
    <message>
        <source>the USA region is never mixed with another. Choose the region %1 first (the Region menu, or --destination %1 on the command line)</source>
        <translation>die Region USA wird nie mit einer anderen gemischt. Wählen Sie zuerst die Region %1 (im Menü Region oder mit --destination %1 auf der Befehlszeile)</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were.</source>
        <translation>Es wurde nichts gelesen: die Daten auf dem PC sind unverändert.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was.</source>
        <translation>Es wurde nichts geschrieben: das Funkgerät an %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was.</source>
        <translation>Es wurde nichts gelöscht: der ATIS-Code im Funkgerät an %1 ist unverändert.</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were. Check the cable and the radio on %1, then read again.</source>
        <translation>Es wurde nichts gelesen: die Daten auf dem PC sind unverändert. Prüfen Sie das Kabel und das Funkgerät an %1 und lesen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. Check the cable and the radio, then program again.</source>
        <translation>Es wurde nichts geschrieben: das Funkgerät an %1 ist unverändert. Prüfen Sie das Kabel und das Funkgerät und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was. Check the cable and the radio, then clear again.</source>
        <translation>Es wurde nichts gelöscht: der ATIS-Code im Funkgerät an %1 ist unverändert. Prüfen Sie das Kabel und das Funkgerät und löschen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 may be partly programmed: the write stopped at its first address, %2. Program the radio again before you use it.</source>
        <translation>Das Funkgerät an %1 ist womöglich nur teilweise beschrieben: das Schreiben endete bei seiner ersten Adresse, %2. Schreiben Sie das Funkgerät erneut, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 may be partly cleared: the clear stopped at its first address, %2. Clear the ATIS data again before you use the radio.</source>
        <translation>Der ATIS-Code im Funkgerät an %1 ist womöglich nur teilweise gelöscht: das Löschen endete bei seiner ersten Adresse, %2. Löschen Sie die ATIS-Daten erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2; the write stopped at %3. Program the radio again before you use it.</source>
        <translation>Das Funkgerät an %1 ist nur teilweise beschrieben: es hat die Daten bis Adresse %2 übernommen; das Schreiben endete bei %3. Schreiben Sie das Funkgerät erneut, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2; the clear stopped at %3. Clear the ATIS data again before you use the radio.</source>
        <translation>Der ATIS-Code im Funkgerät an %1 ist nur teilweise gelöscht: das Gerät hat das Löschen bis Adresse %2 übernommen; das Löschen endete bei %3. Löschen Sie die ATIS-Daten erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2, then the write stopped. Program the radio again before you use it.</source>
        <translation>Das Funkgerät an %1 ist nur teilweise beschrieben: es hat die Daten bis Adresse %2 übernommen, dann endete das Schreiben. Schreiben Sie das Funkgerät erneut, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2, then the clear stopped. Clear the ATIS data again before you use the radio.</source>
        <translation>Der ATIS-Code im Funkgerät an %1 ist nur teilweise gelöscht: das Gerät hat das Löschen bis Adresse %2 übernommen, dann endete das Löschen. Löschen Sie die ATIS-Daten erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <source>The radio did not answer on %1.<byte value="xd"/>
Check that the programming cable is plugged in at both ends, that the radio was switched on while holding [PRESET] until it shows PC CONTROL, and that %1 is the cable&apos;s port. Then try again.</source>
        <translation>Das Funkgerät hat an %1 nicht geantwortet.<byte value="xd"/>
Prüfen Sie, dass das Programmierkabel an beiden Enden eingesteckt ist, dass das Funkgerät mit gedrückter Taste [PRESET] eingeschaltet wurde, bis es PC CONTROL zeigt, und dass %1 die Schnittstelle des Kabels ist. Versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost: %2.</source>
        <translation>Die Verbindung zum Funkgerät an %1 ist abgebrochen: %2.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged in and that the radio is switched on, then try again.</source>
        <translation>Prüfen Sie, dass das Kabel eingesteckt und das Funkgerät eingeschaltet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 did not report ready, so nothing was read or written. Wait until the radio shows PC CONTROL, then try again.</source>
        <translation>Das Funkgerät an %1 hat sich nicht bereit gemeldet, daher wurde nichts gelesen oder geschrieben. Warten Sie, bis das Funkgerät PC CONTROL zeigt, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 is no %2 (its model or product code differs), so nothing was read or written. Connect a %2, then try again.</source>
        <translation>Das Funkgerät an %1 ist kein %2 (Modell oder Produktcode weichen ab), daher wurde nichts gelesen oder geschrieben. Schließen Sie ein %2 an und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the region %2 and the PC&apos;s data set of the region %3, and %4, then try again. Nothing was read or written.</source>
        <translation>Das Funkgerät an %1 gehört zur Region %2 und der Datensatz auf dem PC zur Region %3, und %4; versuchen Sie es dann erneut. Es wurde nichts gelesen oder geschrieben.</translation>
    </message>
    <message>
        <source>The data to be written do not carry the product code %1 at 0x270-0x275, and a radio that took them would refuse every later read and write. Nothing was written. Start from the radio&apos;s own data or from a destination, then program again.</source>
        <translation>Die zu schreibenden Daten tragen nicht den Produktcode %1 bei 0x270-0x275, und ein Funkgerät, das sie übernähme, würde jedes spätere Lesen und Schreiben verweigern. Es wurde nichts geschrieben. Gehen Sie von den Daten des Funkgeräts oder von einer Region aus und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 has no ATIS code yet and will take the code %2.</source>
        <translation>Das Funkgerät an %1 hat noch keinen ATIS-Code und übernimmt den Code %2.</translation>
    </message>
    <message>
        <source>A radio takes its ATIS code only once: afterwards only ATIS Clear removes it.</source>
        <translation>Ein Funkgerät übernimmt seinen ATIS-Code nur einmal: danach entfernt ihn nur ATIS löschen.</translation>
    </message>
    <message>
        <source>Program the radio with this code?</source>
        <translation>Das Funkgerät mit diesem Code beschreiben?</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. To program it without an ATIS code, empty the ATIS code of the data, then program again.</source>
        <translation>Es wurde nichts geschrieben: das Funkgerät an %1 ist unverändert. Um es ohne ATIS-Code zu beschreiben, leeren Sie den ATIS-Code der Daten und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a write never removes the ATIS code a radio holds, and these data hold none.</source>
        <translation>Das Funkgerät an %1 hat seinen eigenen ATIS-Code %2 behalten: Schreiben entfernt nie den ATIS-Code eines Funkgeräts, und diese Daten enthalten keinen.</translation>
    </message>
    <message>
        <source>To remove it: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line).</source>
        <translation>Zum Entfernen: löschen Sie den Code des Funkgeräts mit ATIS löschen (clear-atis auf der Befehlszeile).</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a radio takes its ATIS code only once, so the code %3 shown on the PC was not programmed.</source>
        <translation>Das Funkgerät an %1 hat seinen eigenen ATIS-Code %2 behalten: ein Funkgerät übernimmt seinen ATIS-Code nur einmal, daher wurde der auf dem PC gezeigte Code %3 nicht geschrieben.</translation>
    </message>
    <message>
        <source>To program %1: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line), then program the radio again with data that hold %1 (the clear empties the code on the PC as well).</source>
        <translation>Um %1 zu schreiben: löschen Sie den Code des Funkgeräts mit ATIS löschen (clear-atis auf der Befehlszeile) und beschreiben Sie das Funkgerät dann erneut mit Daten, die %1 enthalten (das Löschen leert auch den Code auf dem PC).</translation>
    </message>
    <message>
        <source>Still waiting on %1 for %2 (nothing for %3 s; giving up after %4 s).</source>
        <translation>Warte an %1 weiter auf %2 (seit %3 s nichts; Abbruch nach %4 s).</translation>
    </message>
    <message>
        <source>Port Inicialize Error!!</source>
        <translation>Fehler beim Öffnen der Schnittstelle!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Fehler beim Einstellen der Schnittstelle!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-Befehl abgelehnt!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Zeitüberschreitung!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>Abgebrochen!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Adressfehler!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Datenfehler!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Produktcode-Fehler!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Funkgerät nicht bereit!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Verbindung neu synchronisieren?</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Funkgerät ist beschäftigt!</translation>
    </message>
    <message>
        <source>The region is unmatched.<byte value="xd"/>
Do you want to change the region?</source>
        <translation>Die Region passt nicht.<byte value="xd"/>
Möchten Sie die Region wechseln?</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fehler beim Lesen der Datei!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fehler beim Speichern der Datei!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Ungültige Datei!</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fehler beim Lesen der Regionsdatei!</translation>
    </message>
    <message>
        <source>The diagnostics were not saved.</source>
        <translation>Die Diagnose wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>PC-Programm für %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>the folder %1</source>
        <translation>der Ordner %1</translation>
    </message>
    <message>
        <source>it is a %1, not a file</source>
        <translation>es ist %1, keine Datei</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not a file</source>
        <translation>es ist ein Verweis auf %1, das keine Datei ist</translation>
    </message>
    <message>
        <source>it is a link to the %1 %2, not to a file</source>
        <translation>es ist ein Verweis auf %1 %2, nicht auf eine Datei</translation>
    </message>
    <message>
        <source>it is a link to %1, which is read-only</source>
        <translation>es ist ein Verweis auf %1, das schreibgeschützt ist</translation>
    </message>
    <message>
        <source>%1, so it is not replaced</source>
        <translation>%1, daher wird sie nicht ersetzt</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>permission denied: you may not write in %1</source>
        <translation>Zugriff verweigert (%1): Sie dürfen dort nicht schreiben</translation>
    </message>
    <message>
        <source>the file is for the region %1 and the data set for %2, and %3, then open the file again.</source>
        <translation>die Datei gehört zur Region %1 und der Datensatz zu %2, und %3; öffnen Sie die Datei dann erneut.</translation>
    </message>
    <message>
        <source>the current folder</source>
        <translation>der aktuelle Ordner</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Move it out of the way.</source>
        <translation>Schaffen Sie sie aus dem Weg.</translation>
    </message>
    <message>
        <source>Give the name of a file.</source>
        <translation>Geben Sie den Namen einer Datei an.</translation>
    </message>
    <message>
        <source>device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>Make it writable.</source>
        <translation>Machen Sie sie beschreibbar.</translation>
    </message>
    <message>
        <source>Make it writable first, or give another file name.</source>
        <translation>Machen Sie sie zuerst beschreibbar oder geben Sie einen anderen Dateinamen an.</translation>
    </message>
    <message>
        <source>Move that file out of the way.</source>
        <translation>Schaffen Sie diese Datei aus dem Weg.</translation>
    </message>
    <message>
        <source>Move that file out of the way, or give a path in another folder.</source>
        <translation>Schaffen Sie diese Datei aus dem Weg oder geben Sie einen Pfad in einem anderen Ordner an.</translation>
    </message>
    <message>
        <source>Create it.</source>
        <translation>Legen Sie ihn an.</translation>
    </message>
    <message>
        <source>Create it, or give a path in another folder.</source>
        <translation>Legen Sie ihn an oder geben Sie einen Pfad in einem anderen Ordner an.</translation>
    </message>
    <message>
        <source>a part of its folder is a file, not a folder</source>
        <translation>ein Teil ihres Ordners ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>Check the folders of the path.</source>
        <translation>Prüfen Sie die Ordner des Pfads.</translation>
    </message>
    <message>
        <source>Check the folders of the path, or give a path in another folder.</source>
        <translation>Prüfen Sie die Ordner des Pfads oder geben Sie einen Pfad in einem anderen Ordner an.</translation>
    </message>
    <message>
        <source>Make that folder writable for you.</source>
        <translation>Machen Sie diesen Ordner für sich beschreibbar.</translation>
    </message>
    <message>
        <source>Give a path in a folder you may write in.</source>
        <translation>Geben Sie einen Pfad in einem Ordner an, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>das Laufwerk ist voll</translation>
    </message>
    <message>
        <source>Free some space.</source>
        <translation>Schaffen Sie Platz.</translation>
    </message>
    <message>
        <source>Free some space, or give a path on another disk.</source>
        <translation>Schaffen Sie Platz oder geben Sie einen Pfad auf einem anderen Laufwerk an.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>das Laufwerk ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Make the disk writable.</source>
        <translation>Machen Sie das Laufwerk beschreibbar.</translation>
    </message>
    <message>
        <source>Give a path on another disk.</source>
        <translation>Geben Sie einen Pfad auf einem anderen Laufwerk an.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>Move that folder out of the way.</source>
        <translation>Schaffen Sie diesen Ordner aus dem Weg.</translation>
    </message>
    <message>
        <source>its name is longer than the system allows</source>
        <translation>ihr Name ist länger, als das System erlaubt</translation>
    </message>
    <message>
        <source>Check the path.</source>
        <translation>Prüfen Sie den Pfad.</translation>
    </message>
    <message>
        <source>Check the path, or give a shorter name.</source>
        <translation>Prüfen Sie den Pfad oder geben Sie einen kürzeren Namen an.</translation>
    </message>
    <message>
        <source>Check the path and the disk.</source>
        <translation>Prüfen Sie den Pfad und das Laufwerk.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Check its name and folder.</source>
        <translation>Prüfen Sie Name und Ordner.</translation>
    </message>
    <message>
        <source>permission denied: you may not read it</source>
        <translation>Zugriff verweigert: Sie dürfen sie nicht lesen</translation>
    </message>
    <message>
        <source>Copy it to a folder of yours and open the copy.</source>
        <translation>Kopieren Sie sie in einen eigenen Ordner und öffnen Sie die Kopie.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>Check the file and the disk.</source>
        <translation>Prüfen Sie die Datei und das Laufwerk.</translation>
    </message>
    <message>
        <source>Check the cable and the radio on %1, then read again.</source>
        <translation>Prüfen Sie das Kabel und das Funkgerät an %1 und lesen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then program again.</source>
        <translation>Prüfen Sie das Kabel und das Funkgerät und schreiben Sie dann erneut.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then clear again.</source>
        <translation>Prüfen Sie das Kabel und das Funkgerät und löschen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Program the radio again before you use it.</source>
        <translation>Schreiben Sie das Funkgerät erneut, bevor Sie es benutzen.</translation>
    </message>
    <message>
        <source>Clear the ATIS data again before you use the radio.</source>
        <translation>Löschen Sie die ATIS-Daten erneut, bevor Sie das Funkgerät benutzen.</translation>
    </message>
    <message>
        <source>Not verified: read back, the radio on %1 holds other bytes than were sent at %2.</source>
        <translation>Nicht bestätigt: beim Zurücklesen enthält das Funkgerät an %1 andere Bytes als gesendet bei %2.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back was cancelled, so it is not verified.</source>
        <translation>Das Funkgerät an %1 hat alle Daten übernommen, aber das Zurücklesen wurde abgebrochen, daher sind sie nicht bestätigt.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back was cancelled, so it is not verified.</source>
        <translation>Das Funkgerät an %1 hat das ganze Löschen übernommen, aber das Zurücklesen wurde abgebrochen, daher ist es nicht bestätigt.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back failed, so it is not verified. %2</source>
        <translation>Das Funkgerät an %1 hat alle Daten übernommen, aber das Zurücklesen schlug fehl, daher sind sie nicht bestätigt. %2</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back failed, so it is not verified. %2</source>
        <translation>Das Funkgerät an %1 hat das ganze Löschen übernommen, aber das Zurücklesen schlug fehl, daher ist es nicht bestätigt. %2</translation>
    </message>
    <message>
        <source>Verified: the radio on %1 holds everything written.</source>
        <translation>Bestätigt: das Funkgerät an %1 enthält alles Geschriebene.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 already holds everything these data would write.</source>
        <translation>Es wurde nichts geschrieben: das Funkgerät an %1 enthält schon alles, was diese Daten schreiben würden.</translation>
    </message>
    <message>
        <source>The cable on %1 returns every byte it is sent (a cable with echo). Transfers through it need the echo check: --echo-check on the command line, or start the desktop application with /NT.</source>
        <translation>Das Kabel an %1 sendet jedes Byte zurück (ein Kabel mit Echo). Übertragungen darüber brauchen die Echoprüfung: --echo-check auf der Befehlszeile, oder starten Sie das Programm mit /NT.</translation>
    </message>
    <message>
        <source>Nothing answered on %1. The radio is switched off, or it is not in PC-control mode (switch it on while holding [PRESET] until it shows PC CONTROL), or its cable is on another port than %1.</source>
        <translation>An %1 hat nichts geantwortet. Das Funkgerät ist ausgeschaltet oder nicht im PC-Modus (mit gedrückter Taste [PRESET] einschalten, bis es PC CONTROL zeigt), oder sein Kabel steckt an einer anderen Schnittstelle als %1.</translation>
    </message>
    <message>
        <source>The radio on %1 answered but did not report ready (it may be busy). Wait until it shows PC CONTROL, then test again.</source>
        <translation>Das Funkgerät an %1 hat geantwortet, sich aber nicht bereit gemeldet (es ist vielleicht beschäftigt). Warten Sie, bis es PC CONTROL zeigt, und testen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 answered, but the exchange that followed failed: %2. Switch the radio off, switch it on again in PC-control mode, then test again.</source>
        <translation>Das Funkgerät an %1 hat geantwortet, aber der folgende Austausch schlug fehl: %2. Schalten Sie das Funkgerät aus, im PC-Modus wieder ein und testen Sie dann erneut.</translation>
    </message>
    <message>
        <source>model words %1 and %2</source>
        <translation>Modellwörter %1 und %2</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Es enthält einen ATIS-Code; ein ATIS-Code wurde %1-mal hineingeschrieben.</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Es enthält einen ATIS-Code; ein ATIS-Code wurde %1-mal hineingeschrieben.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Es enthält keinen ATIS-Code; ein ATIS-Code wurde %1-mal hineingeschrieben.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Es enthält keinen ATIS-Code; ein ATIS-Code wurde %1-mal hineingeschrieben.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: it is no %2 (%3), so this program cannot read or write it.</source>
        <translation>Das Funkgerät an %1 hat geantwortet: es ist kein %2 (%3), daher kann dieses Programm es weder lesen noch beschreiben.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: a %2 (%3), region %4.</source>
        <translation>Das Funkgerät an %1 hat geantwortet: ein %2 (%3), Region %4.</translation>
    </message>
    <message>
        <source>The cable and the port work: the radio can be read and programmed.</source>
        <translation>Kabel und Schnittstelle funktionieren: das Funkgerät kann gelesen und beschrieben werden.</translation>
    </message>
    <message>
        <source>The test of %1 was cancelled.</source>
        <translation>Der Test von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbindung testen</translation>
    </message>
    <message>
        <source>the group has no channel %1 (it has 00 to 99)</source>
        <translation>die Gruppe hat keinen Kanal %1 (sie hat 00 bis 99)</translation>
    </message>
    <message>
        <source>it has no duplex mode the radio knows</source>
        <translation>er hat keine Duplexart, die das Funkgerät kennt</translation>
    </message>
    <message>
        <source>it has no status number the radio knows</source>
        <translation>er hat keine Statusnummer, die das Funkgerät kennt</translation>
    </message>
    <message>
        <source>it has no status icon the radio knows</source>
        <translation>er hat kein Statussymbol, das das Funkgerät kennt</translation>
    </message>
    <message>
        <source>its Rx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>seine Empfangsfrequenz %1 liegt außerhalb von %2 bis %3 MHz oder nicht im 25-kHz-Raster</translation>
    </message>
    <message>
        <source>its Tx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>seine Sendefrequenz %1 liegt außerhalb von %2 bis %3 MHz oder nicht im 25-kHz-Raster</translation>
    </message>
    <message>
        <source>it has no display name</source>
        <translation>er hat keinen Anzeigenamen</translation>
    </message>
    <message>
        <source>the radio cannot show its display name &quot;%1&quot;</source>
        <translation>das Funkgerät kann seinen Anzeigenamen „%1“ nicht anzeigen</translation>
    </message>
    <message>
        <source>the weather channels are fixed</source>
        <translation>die Wetterkanäle sind fest</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds at most %2 channels; it holds %3 and %4 are to be pasted. Nothing was pasted; delete channels or copy fewer, then paste again.</source>
        <translation>%1 fasst höchstens %2 Kanäle; sie enthält %3, und %4 sollen eingefügt werden. Es wurde nichts eingefügt; löschen Sie Kanäle oder kopieren Sie weniger, und fügen Sie dann erneut ein.</translation>
    </message>
    <message>
        <source>%1 cannot be pasted into %2: %3. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>%1 kann nicht in %2 eingefügt werden: %3. Es wurde nichts eingefügt; berichtigen Sie diese Zeile oder lassen Sie sie weg, und fügen Sie dann erneut ein.</translation>
    </message>
    <message>
        <source>The channels on the clipboard cannot be pasted: %1. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>Die Kanäle in der Zwischenablage können nicht eingefügt werden: %1. Es wurde nichts eingefügt; berichtigen Sie diese Zeile oder lassen Sie sie weg, und fügen Sie dann erneut ein.</translation>
    </message>
    <message>
        <source>its CH &quot;%1&quot; is no channel name of the grid</source>
        <translation>ihr CH „%1“ ist kein Kanalname der Tabelle</translation>
    </message>
    <message>
        <source>its DUP &quot;%1&quot; is no duplex mode</source>
        <translation>ihr DUP „%1“ ist keine Duplexart</translation>
    </message>
    <message>
        <source>its group mark &quot;%1&quot; is neither 1 nor 0</source>
        <translation>ihre Gruppenmarke „%1“ ist weder 1 noch 0</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is neither %1 nor dashes</source>
        <translation>ihr %1 „%2“ ist weder %1 noch Striche</translation>
    </message>
    <message>
        <source>its VS &quot;%1&quot; is no scrambler code</source>
        <translation>ihr VS „%1“ ist kein Verschleierungscode</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; is no field of a channel; the headings are the keys of a channel data file: %3</source>
        <translation>Zeile %1: die Spalte „%2“ ist kein Feld eines Kanals; die Überschriften sind die Schlüssel einer Kanaldatendatei: %3</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; comes twice; keep one of them</source>
        <translation>Zeile %1: die Spalte „%2“ kommt zweimal vor; behalten Sie eine davon</translation>
    </message>
    <message>
        <source>line %1: there is no column &quot;List&quot;, which names the list of each row (CHUSA, CHINT, CHCAN, CHWX, CHRG or CHEXP)</source>
        <translation>Zeile %1: es gibt keine Spalte „List“, die die Liste jeder Zeile nennt (CHUSA, CHINT, CHCAN, CHWX, CHRG oder CHEXP)</translation>
    </message>
    <message>
        <source>it has no %1, which every channel of %2 has</source>
        <translation>ihr fehlt %1, das jeder Kanal von %2 hat</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3</source>
        <translation>%1 „%2“ ist nicht %3</translation>
    </message>
    <message>
        <source>%1 is %2, but the channels of %3 are always enabled</source>
        <translation>%1 ist %2, aber die Kanäle von %3 sind immer aktiv</translation>
    </message>
    <message>
        <source>it holds no heading line and no channel</source>
        <translation>sie enthält keine Kopfzeile und keinen Kanal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no channel list (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</source>
        <translation>„%1“ ist keine Kanalliste (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</translation>
    </message>
    <message>
        <source>%1: the list holds at most %2 channels</source>
        <translation>%1: die Liste fasst höchstens %2 Kanäle</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file ends without the [%1] line this program writes last in every data file: it was cut short, so lists may be missing channels.</source>
        <translation>Die Datei endet ohne die Zeile [%1], die dieses Programm als letzte in jede Datendatei schreibt: sie wurde abgeschnitten, daher können in Listen Kanäle fehlen.</translation>
    </message>
    <message>
        <source>The file has no %1, which every data file holds: it may have been cut short, and those settings were not read from it.</source>
        <translation>Der Datei fehlt %1, das jede Datendatei enthält: sie wurde vielleicht abgeschnitten, und diese Einstellungen wurden nicht aus ihr gelesen.</translation>
    </message>
    <message>
        <source>The file ends inside [%1] (line %2), before its %3 line: it may have been cut short.</source>
        <translation>Die Datei endet innerhalb von [%1] (Zeile %2), vor dessen Zeile %3: sie wurde vielleicht abgeschnitten.</translation>
    </message>
    <message>
        <source>[%1] (line %2): %3; its lines are ignored.</source>
        <translation>[%1] (Zeile %2): %3; ihre Zeilen werden übergangen.</translation>
    </message>
    <message>
        <source>[%1] to [%2] (lines %3 to %4): %5; their lines are ignored.</source>
        <translation>[%1] bis [%2] (Zeilen %3 bis %4): %5; ihre Zeilen werden übergangen.</translation>
    </message>
    <message>
        <source>%1 (line %2): %3; %4.</source>
        <translation>%1 (Zeile %2): %3; %4.</translation>
    </message>
    <message>
        <source>line %1: skipped, %2.</source>
        <translation>Zeile %1: übersprungen, %2.</translation>
    </message>
    <message>
        <source>%1 was opened, but not everything in it was taken as written. Check these settings before you program the radio:</source>
        <translation>%1 wurde geöffnet, aber nicht alles darin wurde so übernommen, wie es geschrieben steht. Prüfen Sie diese Einstellungen, bevor Sie das Funkgerät programmieren:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>the records of %1 are always enabled</source>
        <translation>die Einträge von %1 sind immer aktiv</translation>
    </message>
    <message>
        <source>taken as 1</source>
        <translation>als 1 übernommen</translation>
    </message>
    <message>
        <source>kept empty</source>
        <translation>leer gelassen</translation>
    </message>
    <message>
        <source>kept as %1</source>
        <translation>als %1 belassen</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>übergangen</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>nicht %1</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <translation>ihr fehlt %1</translation>
    </message>
    <message>
        <source>its %1 is 0</source>
        <translation>ihr %1 ist 0</translation>
    </message>
    <message>
        <source>%1, which ends the list %2</source>
        <translation>%1, was die Liste %2 beendet</translation>
    </message>
    <message>
        <source>the list %1 holds no more records</source>
        <translation>die Liste %1 enthält keine weiteren Einträge</translation>
    </message>
    <message>
        <source>the list %1 ends before it</source>
        <translation>die Liste %1 endet davor</translation>
    </message>
    <message>
        <source>a section of the same name comes first</source>
        <translation>ein Abschnitt gleichen Namens kommt zuerst</translation>
    </message>
    <message>
        <source>the model %1 has no ATIS</source>
        <translation>das Modell %1 hat kein ATIS</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>kein solcher Abschnitt</translation>
    </message>
    <message>
        <source>the same key comes earlier</source>
        <translation>derselbe Schlüssel kommt früher</translation>
    </message>
    <message>
        <source>not a key the program reads here</source>
        <translation>kein Schlüssel, den das Programm hier liest</translation>
    </message>
    <message>
        <source>a channel position from %1 to %2</source>
        <translation>eine Kanalposition von %1 bis %2</translation>
    </message>
    <message>
        <source>a channel of %1 (1 to %2) nor none (-1 or 65535)</source>
        <translation>ein Kanal von %1 (1 bis %2) oder keiner (-1 oder 65535)</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>0, 1, True or False</source>
        <translation>0, 1, True oder False</translation>
    </message>
    <message>
        <source>0 nor a frequency above 100 and below 200 MHz</source>
        <translation>0 oder eine Frequenz über 100 und unter 200 MHz</translation>
    </message>
    <message>
        <source>a channel name the radio can show (two letters, digits or -+().*/,)</source>
        <translation>ein Kanalname, den das Funkgerät anzeigen kann (zwei Buchstaben, Ziffern oder -+().*/,)</translation>
    </message>
    <message>
        <source>an ATIS code (empty or ten digits)</source>
        <translation>ein ATIS-Code (leer oder zehn Ziffern)</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>also %1</source>
        <translation>auch %1</translation>
    </message>
    <message>
        <source>The channels were not imported.</source>
        <translation>Die Kanäle wurden nicht importiert.</translation>
    </message>
    <message>
        <source>it is saved as UTF-16 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; (or plain CSV), then import it again.</source>
        <translation>sie ist als UTF-16-Text gespeichert. Speichern Sie sie aus der Tabellenkalkulation als „CSV UTF-8“ (oder einfaches CSV) und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>it is no channel table: %1. Export the channels once to see the table the program reads.</source>
        <translation>sie ist keine Kanaltabelle: %1. Exportieren Sie die Kanäle einmal, um die Tabelle zu sehen, die das Programm liest.</translation>
    </message>
    <message>
        <source>it holds a heading line but no channel under it. Add a row per channel, then import it again.</source>
        <translation>sie enthält eine Kopfzeile, aber keinen Kanal darunter. Fügen Sie eine Zeile je Kanal hinzu und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rows cannot be imported:</source>
        <translation>%1: %2 von %3 Zeilen können nicht importiert werden:</translation>
    </message>
    <message>
        <source>The channels were not imported. Correct the rows, then import again.</source>
        <translation>Die Kanäle wurden nicht importiert. Berichtigen Sie die Zeilen und importieren Sie erneut.</translation>
    </message>
    <message>
        <source>Import the other %1 rows? Each list they belong to is replaced by them; the other lists stay as they are.</source>
        <translation>Die übrigen %1 Zeilen importieren? Jede Liste, zu der sie gehören, wird durch sie ersetzt; die anderen Listen bleiben, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Mit Datei ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Show how a channel data or image file differs from this data set</source>
        <translation>Zeigt, worin sich eine Kanaldaten- oder Image-Datei von diesem Datensatz unterscheidet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Als Standard spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Datei d&amp;rucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>In Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Aus Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Compare With Radio</source>
        <translation>Mit Funkgerät &amp;vergleichen</translation>
    </message>
    <message>
        <source>Read the radio and show how it differs from this data set, which stays as it is</source>
        <translation>Liest das Funkgerät und zeigt, worin es sich von diesem Datensatz unterscheidet; der Datensatz bleibt, wie er ist</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Serielle &amp;Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;Read Radio Before Programming</source>
        <translation>Vor dem Schreiben Funkgerät &amp;auslesen</translation>
    </message>
    <message>
        <source>Keep a backup of the radio&apos;s whole memory, read just before it is programmed</source>
        <translation>Bewahrt eine Sicherung des ganzen Speichers des Funkgeräts auf, gelesen unmittelbar vor dem Schreiben</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Open Image File...</source>
        <translation>Image-Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Image File...</source>
        <translation>Image-Datei spei&amp;chern...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Show &amp;Backups Folder</source>
        <translation>Si&amp;cherungsordner anzeigen</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostics...</source>
        <translation>&amp;Diagnose speichern...</translation>
    </message>
    <message>
        <source>&amp;About KVX Version</source>
        <translation>Ü&amp;ber die KVX-Version</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>dat-Dateien (*.dat);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>dat files(*.dat);;hex files(*.hex);;All files(*.*)</source>
        <translation>dat-Dateien (*.dat);;hex-Dateien (*.hex);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>hex-Dateien (*.hex);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Verify &amp;After Programming</source>
        <translation>Nach dem Schreiben ü&amp;berprüfen</translation>
    </message>
    <message>
        <source>Read back everything written to the radio and check that it holds it</source>
        <translation>Liest alles, was ins Funkgerät geschrieben wurde, zurück und prüft, ob es dort steht</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>Kanäle e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the channel lists as a table (.csv) for a spreadsheet</source>
        <translation>Speichert die Kanallisten als Tabelle (.csv) für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>Kanäle &amp;importieren...</translation>
    </message>
    <message>
        <source>Replace the channel lists a table (.csv) holds rows for</source>
        <translation>Ersetzt die Kanallisten, für die eine Tabelle (.csv) Zeilen enthält</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Test the cable and the port: what answers, and what the radio is</source>
        <translation>Prüft Kabel und Schnittstelle: was antwortet, und welches Funkgerät es ist</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>the PDF file %1</source>
        <translation>die PDF-Datei %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>der Drucker „%1“</translation>
    </message>
    <message>
        <source>The report was not printed: no printer is set up on this computer.<byte value="xd"/>
Set up a printer in the system&apos;s settings, then print again. File &gt; Print Preview shows the pages without a printer.</source>
        <translation>Der Bericht wurde nicht gedruckt: auf diesem Computer ist kein Drucker eingerichtet.<byte value="xd"/>
Richten Sie in den Systemeinstellungen einen Drucker ein und drucken Sie dann erneut. Datei &gt; Druckvorschau zeigt die Seiten ohne Drucker.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be written.<byte value="xd"/>
Choose a folder you may write to, then print again.</source>
        <translation>Der Bericht wurde nicht gedruckt: %1 konnte nicht geschrieben werden.<byte value="xd"/>
Wählen Sie einen Ordner, in den Sie schreiben dürfen, und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be started.<byte value="xd"/>
Check that it is switched on, connected and ready, or choose another printer, then print again.</source>
        <translation>Der Bericht wurde nicht gedruckt: %1 konnte nicht gestartet werden.<byte value="xd"/>
Prüfen Sie, dass er eingeschaltet, angeschlossen und bereit ist, oder wählen Sie einen anderen Drucker, und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>Printing stopped on %1 after %2 sheet(s): the report is not complete.<byte value="xd"/>
Check the printer, then print the report again.</source>
        <translation>Der Druck auf %1 endete nach %2 Blatt: der Bericht ist nicht vollständig.<byte value="xd"/>
Prüfen Sie den Drucker und drucken Sie den Bericht dann erneut.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>tpw52 needs a desktop session to show its window; tpw52-cli does the same work without one (see tpw52-cli --help).</source>
        <translation>tpw52 braucht eine Desktop-Sitzung, um sein Fenster zu zeigen; tpw52-cli erledigt dieselbe Arbeit ohne eine (siehe tpw52-cli --help).</translation>
    </message>
    <message>
        <source>The computer ran out of memory, and the last command was not finished.
Save your data under a new name, then restart the program.</source>
        <translation>Der Arbeitsspeicher des Computers ist erschöpft, der letzte Befehl wurde nicht beendet.
Speichern Sie Ihre Daten unter einem neuen Namen und starten Sie das Programm dann neu.</translation>
    </message>
    <message>
        <source>Usage: tpw52 [FILE] [/D] [/E] [/NT] [/DEMO] [--lang CODE]
The PC programming tool of the QZ815 marine VHF radio: reads the radio&apos;s channels and
settings over the programming cable, edits them, writes them back, keeps them in channel
data files and prints them.

  FILE       a channel data file (.dat) to open at start, as File &gt; Open does
  /D         diagnostic mode: protocol trace, hex dump, image files, err.log
  /E         low speed: the serial port stays at 19200 baud
  /NT        check the echo of every byte sent, for cables that return it
  /DEMO      offer a simulated radio as a serial port, to try the program
  --lang CODE  the language of the window: en, de, nl or fr (Options &gt; Language
             remembers one; the system&apos;s language otherwise)
  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Aufruf: tpw52 [DATEI] [/D] [/E] [/NT] [/DEMO] [--lang CODE]
Das PC-Programmierwerkzeug des UKW-Seefunkgeräts QZ815: liest die Kanäle und
Einstellungen des Funkgeräts über das Programmierkabel, bearbeitet sie, schreibt sie
zurück, bewahrt sie in Kanaldatendateien auf und druckt sie.

  DATEI      eine Kanaldatendatei (.dat), die beim Start geöffnet wird, wie mit Datei &gt; Öffnen
  /D         Diagnosemodus: Protokollaufzeichnung, Hex-Dump, Image-Dateien, err.log
  /E         niedrige Geschwindigkeit: der serielle Anschluss bleibt bei 19200 Baud
  /NT        das Echo jedes gesendeten Bytes prüfen, für Kabel, die es zurückgeben
  /DEMO      ein simuliertes Funkgerät als seriellen Anschluss anbieten, zum Ausprobieren
  --lang CODE  die Sprache des Fensters: en, de, nl oder fr (Optionen &gt; Sprache
             merkt sich eine; sonst die Sprache des Systems)
  --help     diese Hilfe ausgeben und beenden
  --version  die Version ausgeben und beenden
</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming tool for the QZ815 marine VHF radio&lt;br&gt;Version %2&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC-Programmiersoftware für das UKW-Seefunkgerät QZ815&lt;br&gt;Version %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This program is provided as is, without warranty of any kind. Check every channel against the rules of your waters before you use the radio; transmitting on a channel you are not licensed for may be unlawful.</source>
        <translation>Dieses Programm wird ohne jede Gewährleistung bereitgestellt. Prüfen Sie jeden Kanal anhand der Vorschriften Ihres Reviers, bevor Sie das Funkgerät benutzen; Senden auf einem Kanal, für den Sie keine Zulassung haben, kann verboten sein.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AtisSection</name>
    <message>
        <source>ATIS Function</source>
        <translation>ATIS-Funktion</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Nutzbare ATIS-Kanalgruppen</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation>10 Ziffern</translation>
    </message>
    <message>
        <source>Times programmed</source>
        <translation>Anzahl Programmierungen</translation>
    </message>
    <message>
        <source>ATIS Clear</source>
        <translation>ATIS löschen</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio: the only way to change a code the radio already holds.</source>
        <translation>Löscht den ATIS-Code im Funkgerät: der einzige Weg, einen Code zu ändern, den das Funkgerät schon hat.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelEditPanel</name>
    <message>
        <source>CH Enable</source>
        <translation>Kanal aktiv</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlauf-Speicher</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Sprachverschleierung</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>Basiskanal-Nr.</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Kanalbetrieb</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbol</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>Kanalstatus-Nr.</translation>
    </message>
    <message>
        <source>Channel Groups</source>
        <translation>Kanalgruppen</translation>
    </message>
    <message>
        <source>[USA]</source>
        <translation>[USA]</translation>
    </message>
    <message>
        <source>[INT]</source>
        <translation>[INT]</translation>
    </message>
    <message>
        <source>[CAN]</source>
        <translation>[CAN]</translation>
    </message>
    <message>
        <source>Transmit</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden erlaubt</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelListPanel</name>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>ÄNDERN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
</context>
<context>
    <name>tpw::gui::CommonSetupPage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Vorrangkanal</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>DW/TW Function</source>
        <translation>DW/TW-Funktion</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Wetterkanal-Funktion</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonModel</name>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>This data set</source>
        <translation>Dieser Datensatz</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonWindow</name>
    <message>
        <source>Compare With %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>[Double click],[Enter]: go to the setting.</source>
        <translation>[Doppelklick],[Eingabe]: zur Einstellung gehen.</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tpw::gui::EditorPane</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
</context>
<context>
    <name>tpw::gui::GeneralPage</name>
    <message>
        <source>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming for the QZ815 marine VHF radio&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC-Programmierung für das UKW-Seefunkgerät QZ815&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read the radio (Transfer &amp;gt; Read from Radio),&lt;br&gt;choose a list on the left to look at its channels,&lt;br&gt;then program the radio (Transfer &amp;gt; Program to Radio).</source>
        <translation>Lesen Sie das Funkgerät aus (Übertragung &amp;gt; Aus Funkgerät lesen),&lt;br&gt;wählen Sie links eine Liste, um ihre Kanäle zu sehen,&lt;br&gt;und beschreiben Sie dann das Funkgerät (Übertragung &amp;gt; In Funkgerät schreiben).</translation>
    </message>
</context>
<context>
    <name>tpw::gui::HexDumpView</name>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
</context>
<context>
    <name>tpw::gui::MainWindow</name>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>
%1<byte value="xd"/>
no longer exists and has been removed from the recent files. Open it with File &gt; Open from where it is now.</source>
        <translation>Die Datei<byte value="xd"/>
%1<byte value="xd"/>
gibt es nicht mehr; sie wurde aus den zuletzt benutzten Dateien entfernt. Öffnen Sie sie mit Datei &gt; Öffnen dort, wo sie jetzt ist.</translation>
    </message>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Möchten Sie die Serie %1 programmieren?</translation>
    </message>
    <message>
        <source>The backups folder could not be shown.<byte value="xd"/>
%1: %2</source>
        <translation>Der Sicherungsordner konnte nicht angezeigt werden.<byte value="xd"/>
%1: %2</translation>
    </message>
    <message>
        <source>no file manager opened it. Open it in your file manager; every read and write of a radio keeps its backup there.</source>
        <translation>kein Dateimanager hat ihn geöffnet. Öffnen Sie ihn in Ihrem Dateimanager; jedes Lesen und Schreiben eines Funkgeräts legt dort seine Sicherung ab.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PcPicture</name>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Breite einpassen</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>tpw::gui::RadioPicture</name>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Der Bericht wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>tpw::gui::SerialPortMenu</name>
    <message>
        <source>Simulated radio (demo)</source>
        <translation>Simuliertes Funkgerät (Demo)</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Simuliertes Funkgerät</translation>
    </message>
</context>
<context>
    <name>tpw::gui::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>1.Connect the KVX cable between the PC serial port and the radio.<byte value="xd"/>
2.On the radio, press and hold [PRESET] keys while<byte value="xd"/>
   turning the power on.<byte value="xd"/>
   The Radio display will show PC CONTROL.<byte value="xd"/>
3.Press the [OK] button to start.</source>
        <translation>1. Verbinden Sie das KVX-Kabel zwischen der seriellen Schnittstelle des PCs und dem Funkgerät.<byte value="xd"/>
2. Halten Sie am Funkgerät die Taste [PRESET] gedrückt,<byte value="xd"/>
   während Sie es einschalten.<byte value="xd"/>
   Die Anzeige des Funkgeräts zeigt PC CONTROL.<byte value="xd"/>
3. Drücken Sie [OK], um zu beginnen.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::TransferProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WriteChangesDialog</name>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
