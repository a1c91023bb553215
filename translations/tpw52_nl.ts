<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Cli</name>
    <message>
        <source>answer every question with Yes, OK or Retry (the region question, a busy radio)</source>
        <translation>elke vraag beantwoorden met Ja, OK of Opnieuw (de vraag naar de regio, een bezette marifoon)</translation>
    </message>
    <message>
        <source>answer every question with No or Cancel (the default without a terminal)</source>
        <translation>elke vraag beantwoorden met Nee of Annuleren (de standaard zonder terminal)</translation>
    </message>
    <message>
        <source>program this ten-digit ATIS code instead of the data&apos;s own (a radio takes its code only once)</source>
        <translation>deze ATIS-code van tien cijfers programmeren in plaats van die van de gegevens (een marifoon neemt zijn code maar één keer aan)</translation>
    </message>
    <message>
        <source>--atis-code: &quot;%1&quot; is not an ATIS code, which is ten digits. Give the code of the boat&apos;s licence, or leave --atis-code out to program the data&apos;s own code. Nothing was written.</source>
        <translation>--atis-code: &quot;%1&quot; is geen ATIS-code; die bestaat uit tien cijfers. Geef de code van de machtiging van het schip, of laat --atis-code weg om de code van de gegevens te programmeren. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written: the ATIS code %1 was not kept. Give the boat&apos;s own code with --atis-code.</source>
        <translation>Er is niets geschreven: de ATIS-code %1 is niet behouden. Geef de eigen code van het schip met --atis-code.</translation>
    </message>
    <message>
        <source>List the backups of radio data that every read and write keeps, oldest first. Each is an image file (.hex): &quot;write IN.hex&quot; programs it back, &quot;convert&quot; turns it into a channel data file.</source>
        <translation>Toont de back-ups van marifoongegevens die elk lezen en schrijven bewaart, de oudste eerst. Elke is een imagebestand (.hex): &quot;write IN.hex&quot; schrijft hem terug, &quot;convert&quot; maakt er een kanaalgegevensbestand van.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, and </source>
        <translation>%1 is een koppeling naar %2, en </translation>
    </message>
    <message>
        <source>The backups cannot be listed, and no read or write of a radio can keep one: %1%2</source>
        <translation>De back-ups kunnen niet worden getoond, en geen lezen of schrijven van een marifoon kan er een bewaren: %1%2</translation>
    </message>
    <message>
        <source>There are no backups yet in %1. Every read and every write of a radio keeps one there.</source>
        <translation>Er zijn nog geen back-ups in %1. Elk lezen en elk schrijven van een marifoon bewaart er daar een.</translation>
    </message>
    <message>
        <source>Test the cable and the port: open PORT, see whether the cable returns what it is sent, ping the radio and ask what it is (model, region, ATIS code). Reads nothing else and writes nothing.</source>
        <translation>De kabel en de poort testen: PORT openen, kijken of de kabel teruggeeft wat hij ontvangt, de marifoon pingen en vragen wat hij is (model, regio, ATIS-code). Leest verder niets en schrijft niets.</translation>
    </message>
    <message>
        <source>serial port of the programming cable</source>
        <translation>seriële poort van de programmeerkabel</translation>
    </message>
    <message>
        <source>stay at 19200 baud (/E)</source>
        <translation>op 19200 baud blijven (/E)</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio, so that the next write can program a new one. The radio&apos;s ATIS counter takes the base&apos;s value.</source>
        <translation>De ATIS-code in de marifoon wissen, zodat de volgende keer schrijven een nieuwe kan programmeren. De ATIS-teller van de marifoon neemt de waarde van de basis aan.</translation>
    </message>
    <message>
        <source>save the PC&apos;s data, without the code, to this image file</source>
        <translation>de gegevens van de pc, zonder de code, in dit imagebestand opslaan</translation>
    </message>
    <message>
        <source>Convert IN (.hex image or .dat data file) to OUT (.hex, .dat or .txt report). An image is decoded, encoded and corrected as before a write to the radio, so an OUT image holds exactly the bytes a write starts from. A data file is read over a base data set, with its model and region checks.</source>
        <translation>IN (.hex-image of .dat-gegevensbestand) omzetten naar OUT (.hex, .dat of .txt-rapport). Een image wordt gedecodeerd, gecodeerd en gecorrigeerd zoals vóór het schrijven naar de marifoon, zodat een OUT-image precies de bytes bevat waarmee schrijven begint. Een gegevensbestand wordt over een basisgegevensset gelezen, met de controles van model en regio.</translation>
    </message>
    <message>
        <source>input: image file (.hex) or data file (.dat)</source>
        <translation>invoer: imagebestand (.hex) of gegevensbestand (.dat)</translation>
    </message>
    <message>
        <source>output: image (.hex), data file (.dat) or report (.txt)</source>
        <translation>uitvoer: image (.hex), gegevensbestand (.dat) of rapport (.txt)</translation>
    </message>
    <message>
        <source>OUT must end in .hex, .dat or .txt</source>
        <translation>OUT moet eindigen op .hex, .dat of .txt</translation>
    </message>
    <message>
        <source>%1 %2 must be a table of channels ending in .csv. Give a name ending in .csv.</source>
        <translation>%1 %2 moet een kanaaltabel zijn die eindigt op .csv. Geef een naam die eindigt op .csv.</translation>
    </message>
    <message>
        <source>Save the channel lists of DATA (.hex image or .dat data file) as OUT.csv: a row per channel, its list in the column List, a column per field under its data-file key.</source>
        <translation>De kanaallijsten van DATA (.hex-image of .dat-gegevensbestand) opslaan als OUT.csv: een rij per kanaal, zijn lijst in de kolom List, een kolom per veld onder zijn sleutel in het gegevensbestand.</translation>
    </message>
    <message>
        <source>image file (.hex) or data file (.dat)</source>
        <translation>imagebestand (.hex) of gegevensbestand (.dat)</translation>
    </message>
    <message>
        <source>the table to save (.csv)</source>
        <translation>de op te slaan tabel (.csv)</translation>
    </message>
    <message>
        <source>Replace the channel lists of DATA (.hex or .dat) that IN.csv holds rows for, and save the result as OUT (.hex or .dat). The other lists stay as they are. Refused rows are listed with their line; then nothing is imported unless --yes imports the other rows.</source>
        <translation>De kanaallijsten van DATA (.hex of .dat) vervangen waarvoor IN.csv rijen bevat, en het resultaat opslaan als OUT (.hex of .dat). De andere lijsten blijven zoals ze zijn. Geweigerde rijen worden met hun regel getoond; dan wordt niets geïmporteerd, tenzij --yes de overige rijen importeert.</translation>
    </message>
    <message>
        <source>the table of channels (.csv)</source>
        <translation>de kanaaltabel (.csv)</translation>
    </message>
    <message>
        <source>where the result goes: image (.hex) or data file (.dat)</source>
        <translation>waar het resultaat heen gaat: image (.hex) of gegevensbestand (.dat)</translation>
    </message>
    <message>
        <source>give an image (.hex) or a data file (.dat).</source>
        <translation>geef een image (.hex) of een gegevensbestand (.dat).</translation>
    </message>
    <message>
        <source>List the destination templates of the program&apos;s data folder: name, region and file, in the order of the destination menu.</source>
        <translation>De bestemmingssjablonen in de gegevensmap van het programma tonen: naam, regio en bestand, in de volgorde van het bestemmingsmenu.</translation>
    </message>
    <message>
        <source>No destination template in %1</source>
        <translation>Geen bestemmingssjabloon in %1</translation>
    </message>
    <message>
        <source>bad file</source>
        <translation>slecht bestand</translation>
    </message>
    <message>
        <source>diff compares A with one other data set: give the file B, or --port PORT to compare A with the radio on that port (see tpw52-cli diff --help).</source>
        <translation>diff vergelijkt A met één andere gegevensset: geef het bestand B, of --port PORT om A te vergelijken met de marifoon op die poort (zie tpw52-cli diff --help).</translation>
    </message>
    <message>
        <source>Compare A with B, or with the radio on --port, setting by setting in the words of the desktop application: one difference a line (where, setting, A&apos;s value and the other&apos;s), channels only one side has, and runs of bytes no setting shows. A and B are image files (.hex) or channel data files (.dat); a data file A is read over the base, a data file B over A&apos;s image, each with the region it gives. The radio is read as the read command reads it, with its backup. Exit status 0 the same, 1 different, 2 trouble.</source>
        <translation>A vergelijken met B, of met de marifoon op --port, instelling voor instelling in de woorden van de desktoptoepassing: één verschil per regel (waar, instelling, de waarde van A en die van de ander), kanalen die maar één kant heeft, en reeksen bytes die geen instelling toont. A en B zijn imagebestanden (.hex) of kanaalgegevensbestanden (.dat); een gegevensbestand A wordt over de basis gelezen, een gegevensbestand B over het image van A, elk met de regio die het aangeeft. De marifoon wordt gelezen zoals de opdracht read hem leest, met zijn back-up. Afsluitstatus 0 gelijk, 1 verschillend, 2 probleem.</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat)</source>
        <translation>imagebestand (.hex) of kanaalgegevensbestand (.dat)</translation>
    </message>
    <message>
        <source>image file (.hex) or channel data file (.dat); instead of --port</source>
        <translation>imagebestand (.hex) of kanaalgegevensbestand (.dat); in plaats van --port</translation>
    </message>
    <message>
        <source>print a list of objects with the keys where, setting, this and other</source>
        <translation>een lijst van objecten met de sleutels where, setting, this en other afdrukken</translation>
    </message>
    <message>
        <source>Cannot read the plan %1: %2 No radio was touched.</source>
        <translation>Het plan %1 kan niet worden gelezen: %2 Geen marifoon is aangeraakt.</translation>
    </message>
    <message>
        <source>%1, line %2: the ATIS code %3 was not kept. No radio was touched.</source>
        <translation>%1, regel %2: de ATIS-code %3 is niet behouden. Geen marifoon is aangeraakt.</translation>
    </message>
    <message>
        <source>The fleet was cancelled by %1.</source>
        <translation>De vloot is afgebroken door %1.</translation>
    </message>
    <message>
        <source>Program every radio of a plan at the same time with one data set, each on its own port with its own ATIS code, backups and trace. The plan is a CSV file with the heading port,atis_code,label and one radio a line. Prints one progress line per radio, then a summary; succeeds only when every radio verified.</source>
        <translation>Elke marifoon van een plan tegelijk programmeren met één gegevensset, elk op zijn eigen poort met zijn eigen ATIS-code, back-ups en trace. Het plan is een CSV-bestand met de kop port,atis_code,label en één marifoon per regel. Toont één voortgangsregel per marifoon, dan een samenvatting; slaagt alleen als elke marifoon gecontroleerd is.</translation>
    </message>
    <message>
        <source>read each radio&apos;s whole memory before programming it and keep that as its backup</source>
        <translation>het hele geheugen van elke marifoon lezen vóór het programmeren en dat als zijn back-up bewaren</translation>
    </message>
    <message>
        <source>write the summary to this CSV file too</source>
        <translation>de samenvatting ook naar dit CSV-bestand schrijven</translation>
    </message>
    <message>
        <source>the plan (.csv): port,atis_code,label</source>
        <translation>het plan (.csv): port,atis_code,label</translation>
    </message>
    <message>
        <source>Print the hex dump of any file of 2048 bytes, an image file (.hex) or not; model words that are not those of a QZ815 are reported, and the dump is printed all the same.</source>
        <translation>De hexdump van elk bestand van 2048 bytes afdrukken, imagebestand (.hex) of niet; modelwoorden die niet van een QZ815 zijn worden gemeld, en de dump wordt toch afgedrukt.</translation>
    </message>
    <message>
        <source>file of 2048 bytes</source>
        <translation>bestand van 2048 bytes</translation>
    </message>
    <message>
        <source>List the serial ports a programming cable can use.</source>
        <translation>De seriële poorten tonen die een programmeerkabel kan gebruiken.</translation>
    </message>
    <message>
        <source>Write the printed report of IN (.hex image or .dat data file) as a PDF file: the pages that File &gt; Print puts on paper, one section per page, long channel lists continued on the next sheet.</source>
        <translation>Het afgedrukte rapport van IN (.hex-image of .dat-gegevensbestand) als PDF-bestand schrijven: de pagina&apos;s die Bestand &gt; Afdrukken op papier zet, één onderdeel per pagina, lange kanaallijsten op het volgende blad vervolgd.</translation>
    </message>
    <message>
        <source>the PDF file to write (.pdf)</source>
        <translation>het te schrijven PDF-bestand (.pdf)</translation>
    </message>
    <message>
        <source>paper size: A4 (the default) or Letter</source>
        <translation>papierformaat: A4 (standaard) of Letter</translation>
    </message>
    <message>
        <source>--pdf must name a file ending in .pdf</source>
        <translation>--pdf moet een bestand noemen dat eindigt op .pdf</translation>
    </message>
    <message>
        <source>Read the radio&apos;s memory into the PC&apos;s data set and save it as an image file (.hex), a channel data file (.dat), or both. The bytes the radio does not own (0x000-0x001, 0x290-0x2FF) and the region check come from the base.</source>
        <translation>Het geheugen van de marifoon in de gegevensset van de pc lezen en opslaan als imagebestand (.hex), kanaalgegevensbestand (.dat) of beide. De bytes die niet van de marifoon zijn (0x000-0x001, 0x290-0x2FF) en de regiocontrole komen uit de basis.</translation>
    </message>
    <message>
        <source>image file (.hex) to save what was read</source>
        <translation>imagebestand (.hex) om het gelezene op te slaan</translation>
    </message>
    <message>
        <source>channel data file (.dat) to save what was read</source>
        <translation>kanaalgegevensbestand (.dat) om het gelezene op te slaan</translation>
    </message>
    <message>
        <source>--out or --dat is needed</source>
        <translation>--out of --dat is nodig</translation>
    </message>
    <message>
        <source>Print the text report of IN (.hex image or .dat data file). `convert IN OUT.txt` saves it as a file with CR LF line ends.</source>
        <translation>Het tekstrapport van IN (.hex-image of .dat-gegevensbestand) afdrukken. `convert IN OUT.txt` slaat het op als bestand met CR LF-regeleinden.</translation>
    </message>
    <message>
        <source>Program the radio from an image file (.hex) or a channel data file (.dat), as the desktop application does after opening that file and choosing Program to Radio. A data file is opened over the base (default: the first destination); an image file is its own base unless --base or --destination is given.</source>
        <translation>De marifoon programmeren vanuit een imagebestand (.hex) of een kanaalgegevensbestand (.dat), zoals de desktoptoepassing doet na het openen van dat bestand en het kiezen van Naar marifoon schrijven. Een gegevensbestand wordt over de basis geopend (standaard: de eerste bestemming); een imagebestand is zijn eigen basis, tenzij --base of --destination is gegeven.</translation>
    </message>
    <message>
        <source>read the whole radio before programming it and keep that as a backup, so its exact prior state can be put back</source>
        <translation>de hele marifoon lezen vóór het programmeren en dat als back-up bewaren, zodat zijn precieze vorige staat terug te zetten is</translation>
    </message>
    <message>
        <source>Ctrl-C (SIGINT)</source>
        <translation>Ctrl-C (SIGINT)</translation>
    </message>
    <message>
        <source>a request to end the program (SIGTERM)</source>
        <translation>een verzoek om het programma te beëindigen (SIGTERM)</translation>
    </message>
    <message>
        <source>Ctrl-Break (SIGBREAK)</source>
        <translation>Ctrl-Break (SIGBREAK)</translation>
    </message>
    <message>
        <source>the terminal hanging up (SIGHUP)</source>
        <translation>het ophangen van de terminal (SIGHUP)</translation>
    </message>
    <message>
        <source>signal %1</source>
        <translation>signaal %1</translation>
    </message>
    <message>
        <source>image file (.hex) a data file is read over (default: a destination)</source>
        <translation>imagebestand (.hex) waarover een gegevensbestand wordt gelezen (standaard: een bestemming)</translation>
    </message>
    <message>
        <source>destination template a data file is read over, by name (see `destinations`; default: the first)</source>
        <translation>bestemmingssjabloon waarover een gegevensbestand wordt gelezen, op naam (zie `destinations`; standaard: de eerste)</translation>
    </message>
    <message>
        <source> Or give the image to start from with --base IMAGE.hex.</source>
        <translation> Of geef het image om mee te beginnen met --base IMAGE.hex.</translation>
    </message>
    <message>
        <source>No destination image was found in %1. Give the image to start from with --base IMAGE.hex.</source>
        <translation>Er is geen bestemmingsimage gevonden in %1. Geef het image om mee te beginnen met --base IMAGE.hex.</translation>
    </message>
    <message>
        <source>There is no destination &quot;%1&quot;. The destinations are: %2.</source>
        <translation>Er is geen bestemming &quot;%1&quot;. De bestemmingen zijn: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: by its name it is neither an image (.hex) nor a channel data file (.dat). Give one of those, or rename the file if it is one.</source>
        <translation>%1 kan niet worden gelezen: naar de naam is het geen image (.hex) en geen kanaalgegevensbestand (.dat). Geef een van beide, of hernoem het bestand als het er een is.</translation>
    </message>
    <message>
        <source>Cannot write %1: give an image (.hex), a data file (.dat) or a report (.txt).</source>
        <translation>%1 kan niet worden geschreven: geef een image (.hex), een gegevensbestand (.dat) of een rapport (.txt).</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kan niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>%1 takes an image file (.hex). Give a name ending in .hex.</source>
        <translation>%1 neemt een imagebestand (.hex). Geef een naam die eindigt op .hex.</translation>
    </message>
    <message>
        <source>%1 takes a channel data file (.dat). Give a name ending in .dat.</source>
        <translation>%1 neemt een kanaalgegevensbestand (.dat). Geef een naam die eindigt op .dat.</translation>
    </message>
    <message>
        <source>The radio&apos;s data were not saved to %1; run the command again once that file can be saved.</source>
        <translation>De gegevens van de marifoon zijn niet opgeslagen in %1; voer de opdracht opnieuw uit zodra dat bestand kan worden opgeslagen.</translation>
    </message>
    <message>
        <source>starting</source>
        <translation>start</translation>
    </message>
    <message>
        <source>reading first</source>
        <translation>leest eerst</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schrijft</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>controleert</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>beëindigd</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIES</translation>
    </message>
    <message>
        <source>SUBCOMMAND</source>
        <translation>OPDRACHT</translation>
    </message>
    <message>
        <source>SUBCOMMANDS</source>
        <translation>OPDRACHTEN</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>VERPLICHT</translation>
    </message>
    <message>
        <source>Positionals</source>
        <translation>Argumenten</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Vereist</translation>
    </message>
    <message>
        <source>Excludes</source>
        <translation>Sluit uit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Subcommands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>The language of the messages: en, de, nl or fr (the system&apos;s by default)</source>
        <translation>De taal van de meldingen: en, de, nl of fr (standaard die van het systeem)</translation>
    </message>
    <message>
        <source>%1 reads as an option. A file name that begins with a dash is given as ./%1, or after -- (tpw52-cli %2 ... -- %1).</source>
        <translation>%1 wordt als optie gelezen. Een bestandsnaam die met een streepje begint, geeft u als ./%1, of na -- (tpw52-cli %2 ... -- %1).</translation>
    </message>
    <message>
        <source>Programs the QZ815 marine VHF radio: image files, channel data files, reports.</source>
        <translation>Programmeert de QZ815 marifoon: imagebestanden, kanaalgegevensbestanden, rapporten.</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Deze hulp afdrukken en stoppen</translation>
    </message>
    <message>
        <source>Print the version and exit</source>
        <translation>De versie afdrukken en stoppen</translation>
    </message>
    <message>
        <source>the program ran out of memory and stopped. Close other programs, then run the command again.</source>
        <translation>het programma had geen geheugen meer en is gestopt. Sluit andere programma&apos;s en voer de opdracht opnieuw uit.</translation>
    </message>
    <message>
        <source>the program stopped on an unexpected failure: %1</source>
        <translation>het programma is gestopt door een onverwachte fout: %1</translation>
    </message>
    <message>
        <source>Cannot write to the standard output: %1. Check where the output goes (a full disk, a closed pipe), then run the command again.</source>
        <translation>Kan niet naar de standaarduitvoer schrijven: %1. Controleer waar de uitvoer heen gaat (een volle schijf, een gesloten pipe) en voer de opdracht opnieuw uit.</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>schrijffout</translation>
    </message>
    <message>
        <source>agreed</source>
        <translation>akkoord</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>geweigerd</translation>
    </message>
    <message>
        <source> (--yes agreed to this question %1 times already)</source>
        <translation> (--yes stemde al %1 keer in met deze vraag)</translation>
    </message>
    <message>
        <source>verify the echo of every byte sent, for cables that return it (/NT)</source>
        <translation>de echo van elke verzonden byte controleren, voor kabels die hem teruggeven (/NT)</translation>
    </message>
    <message>
        <source>show the protocol trace and keep the error log (/D)</source>
        <translation>de protocoltrace tonen en het foutenlogboek bewaren (/D)</translation>
    </message>
    <message>
        <source>keep no backup of the radio&apos;s data for this command</source>
        <translation>voor deze opdracht geen back-up van de gegevens van de marifoon bewaren</translation>
    </message>
    <message>
        <source>no port given: give the serial port of the programming cable (&quot;tpw52-cli ports&quot; lists them)</source>
        <translation>geen poort gegeven: geef de seriële poort van de programmeerkabel (&quot;tpw52-cli ports&quot; toont ze)</translation>
    </message>
    <message>
        <source>do not read back what was written to check that the radio holds it</source>
        <translation>het geschrevene niet teruglezen om te controleren of de marifoon het bevat</translation>
    </message>
    <message>
        <source>The transfer was cancelled by %1.</source>
        <translation>De overdracht is afgebroken door %1.</translation>
    </message>
    <message>
        <source>Run with %1 for more information.</source>
        <translation>Gebruik %1 voor meer informatie.</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Controleren</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Reverse DUP</source>
        <translation>DUP omgekeerd</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Precies 2 tekens vereist.</translation>
    </message>
    <message>
        <source>SAVE: write this channel into the list.</source>
        <translation>OPSLAAN: dit kanaal in de lijst zetten.</translation>
    </message>
    <message>
        <source>CANCEL: back to the list without writing.</source>
        <translation>ANNULEREN: terug naar de lijst zonder op te slaan.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Hervattijd scan</translation>
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
        <translation>Scan stoppen met PTT</translation>
    </message>
    <message>
        <source>Mode Select</source>
        <translation>Moduskeuze</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Weeralarm</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Aan (WX)</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Aan (scan)</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX en scan</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dubbele wacht</translation>
    </message>
    <message>
        <source>ATIS Mode</source>
        <translation>ATIS-modus</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciaal</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Omhoog]/[Omlaag]/[Links]/[Rechts]: selectie wijzigen.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklik],[Enter]: naar het instelscherm.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Omhoog]/[Omlaag]: selectie wijzigen.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spatie]: aan- of uitzetten.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Alleen cijfers. Precies 10 cijfers vereist.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Kiezen: [x] aan / [ ] uit.</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groep1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groep2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groep3</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>RG-kanalen</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanalen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmeerbare kanalen</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>Nieuw kanaal %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Kanaal %1 bewerken</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>Kanaal %1 verwijderen</translation>
    </message>
    <message>
        <source>Cut channel %1</source>
        <translation>Kanaal %1 knippen</translation>
    </message>
    <message>
        <source>Cut %1 channels</source>
        <translation>%1 kanalen knippen</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>Kanaal %1 plakken</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1 kanalen plakken</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Usable Channel Group %1</source>
        <translation>Bruikbare kanaalgroep %1</translation>
    </message>
    <message>
        <source>Priority CH %1</source>
        <translation>Voorrangskanaal %1</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group %1</source>
        <translation>Bruikbare ATIS-kanaalgroep %1</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <source>Correct the priority channels</source>
        <translation>Voorrangskanalen corrigeren</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 actief</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 scan</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanaal actief</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Zenden toegestaan</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Spraakvervormer</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>Basiskanaalnr.</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>Kanaalstatusnr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbool</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <source>CH Display (right)</source>
        <translation>Kanaalweergave (rechts)</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>USA Group</source>
        <translation>USA-groep</translation>
    </message>
    <message>
        <source>INT Group</source>
        <translation>INT-groep</translation>
    </message>
    <message>
        <source>Region Group</source>
        <translation>Regiogroep</translation>
    </message>
    <message>
        <source>Usable CH Group</source>
        <translation>Bruikbare kanaalgroep</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Voorrangskanaal</translation>
    </message>
    <message>
        <source>TX Power Display</source>
        <translation>Weergave zendvermogen</translation>
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
        <translation>Tijdverschil</translation>
    </message>
    <message>
        <source>Time Display</source>
        <translation>Tijdweergave</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroepen</translation>
    </message>
    <message>
        <source>Channel added</source>
        <translation>Kanaal toegevoegd</translation>
    </message>
    <message>
        <source>Channel removed</source>
        <translation>Kanaal verwijderd</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importeren</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>Takes effect after a restart</source>
        <translation>Werkt na een herstart</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet u het zeker?</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Voltooid!</translation>
    </message>
    <message>
        <source>CommunicatiOn Error!!</source>
        <translation>Communicatiefout!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Verkeerd modeltype!</translation>
    </message>
    <message>
        <source>Region Unmatched !!</source>
        <translation>Regio komt niet overeen!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source>There is no port that can be used!!</source>
        <translation>Er is geen bruikbare poort!</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>De help kan niet worden getoond: bij dit programma hoort geen helpbestand.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Ongeldige invoer!</translation>
    </message>
    <message>
        <source>Data Error!!<byte value="xd"/>
Please input correct data.</source>
        <translation>Ongeldige invoer!<byte value="xd"/>
Voer geldige gegevens in.</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Uit marifoon lezen</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Naar marifoon schrijven</translation>
    </message>
    <message>
        <source>Clear ATIS Data</source>
        <translation>ATIS-gegevens wissen</translation>
    </message>
    <message>
        <source>Clear Data ATIS</source>
        <translation>ATIS-gegevens wissen</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modelcontrole</translation>
    </message>
    <message>
        <source>Keep this code?</source>
        <translation>Deze code houden?</translation>
    </message>
    <message>
        <source>KVX data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>De KVX-gegevens zijn gewijzigd.<byte value="xd"/>
Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Onbekend model!</translation>
    </message>
    <message>
        <source>The ATIS code %1 does not look like one: an ATIS code begins with 9, followed by the country code (%2 to %3) of the boat&apos;s country.</source>
        <translation>De ATIS-code %1 lijkt er geen: een ATIS-code begint met 9, gevolgd door de landcode (%2 tot %3) van het land van het schip.</translation>
    </message>
    <message>
        <source>the USA region is never mixed with another. Choose the region %1 first (the Region menu, or --destination %1 on the command line)</source>
        <translation>de regio USA wordt nooit met een andere gemengd. Kies eerst de regio %1 (het menu Regio, of --destination %1 op de opdrachtregel)</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were.</source>
        <translation>Er is niets gelezen: de gegevens op de pc zijn ongewijzigd.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was.</source>
        <translation>Er is niets geschreven: de marifoon op %1 is ongewijzigd.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was.</source>
        <translation>Er is niets gewist: de ATIS-code in de marifoon op %1 is ongewijzigd.</translation>
    </message>
    <message>
        <source>Nothing was read: the data on the PC are as they were. Check the cable and the radio on %1, then read again.</source>
        <translation>Er is niets gelezen: de gegevens op de pc zijn ongewijzigd. Controleer de kabel en de marifoon op %1 en lees daarna opnieuw.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. Check the cable and the radio, then program again.</source>
        <translation>Er is niets geschreven: de marifoon op %1 is ongewijzigd. Controleer de kabel en de marifoon en schrijf daarna opnieuw.</translation>
    </message>
    <message>
        <source>Nothing was cleared: the ATIS code in the radio on %1 is as it was. Check the cable and the radio, then clear again.</source>
        <translation>Er is niets gewist: de ATIS-code in de marifoon op %1 is ongewijzigd. Controleer de kabel en de marifoon en wis daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 may be partly programmed: the write stopped at its first address, %2. Program the radio again before you use it.</source>
        <translation>De marifoon op %1 is mogelijk maar gedeeltelijk geschreven: het schrijven stopte bij het eerste adres, %2. Schrijf de marifoon opnieuw voordat u hem gebruikt.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 may be partly cleared: the clear stopped at its first address, %2. Clear the ATIS data again before you use the radio.</source>
        <translation>De ATIS-code in de marifoon op %1 is mogelijk maar gedeeltelijk gewist: het wissen stopte bij het eerste adres, %2. Wis de ATIS-gegevens opnieuw voordat u de marifoon gebruikt.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2; the write stopped at %3. Program the radio again before you use it.</source>
        <translation>De marifoon op %1 is maar gedeeltelijk geschreven: hij nam de gegevens aan tot adres %2; het schrijven stopte bij %3. Schrijf de marifoon opnieuw voordat u hem gebruikt.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2; the clear stopped at %3. Clear the ATIS data again before you use the radio.</source>
        <translation>De ATIS-code in de marifoon op %1 is maar gedeeltelijk gewist: hij nam het wissen aan tot adres %2; het wissen stopte bij %3. Wis de ATIS-gegevens opnieuw voordat u de marifoon gebruikt.</translation>
    </message>
    <message>
        <source>The radio on %1 is only partly programmed: it took the write up to address %2, then the write stopped. Program the radio again before you use it.</source>
        <translation>De marifoon op %1 is maar gedeeltelijk geschreven: hij nam de gegevens aan tot adres %2, daarna stopte het schrijven. Schrijf de marifoon opnieuw voordat u hem gebruikt.</translation>
    </message>
    <message>
        <source>The ATIS code in the radio on %1 is only partly cleared: it took the clear up to address %2, then the clear stopped. Clear the ATIS data again before you use the radio.</source>
        <translation>De ATIS-code in de marifoon op %1 is maar gedeeltelijk gewist: hij nam het wissen aan tot adres %2, daarna stopte het wissen. Wis de ATIS-gegevens opnieuw voordat u de marifoon gebruikt.</translation>
    </message>
    <message>
        <source>The radio did not answer on %1.<byte value="xd"/>
Check that the programming cable is plugged in at both ends, that the radio was switched on while holding [PRESET] until it shows PC CONTROL, and that %1 is the cable&apos;s port. Then try again.</source>
        <translation>De marifoon antwoordde niet op %1.<byte value="xd"/>
Controleer of de programmeerkabel aan beide kanten vastzit, of de marifoon is aangezet terwijl [PRESET] werd ingedrukt tot hij PC CONTROL toont, en of %1 de poort van de kabel is. Probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The connection to the radio on %1 was lost: %2.</source>
        <translation>De verbinding met de marifoon op %1 is verbroken: %2.</translation>
    </message>
    <message>
        <source>Check that the cable is plugged in and that the radio is switched on, then try again.</source>
        <translation>Controleer of de kabel vastzit en de marifoon aan staat, en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 did not report ready, so nothing was read or written. Wait until the radio shows PC CONTROL, then try again.</source>
        <translation>De marifoon op %1 meldde zich niet gereed, dus er is niets gelezen of geschreven. Wacht tot de marifoon PC CONTROL toont en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 is no %2 (its model or product code differs), so nothing was read or written. Connect a %2, then try again.</source>
        <translation>De marifoon op %1 is geen %2 (het model of de productcode wijkt af), dus er is niets gelezen of geschreven. Sluit een %2 aan en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the region %2 and the PC&apos;s data set of the region %3, and %4, then try again. Nothing was read or written.</source>
        <translation>De marifoon op %1 hoort bij de regio %2 en de gegevens op de pc bij de regio %3, en %4; probeer het daarna opnieuw. Er is niets gelezen of geschreven.</translation>
    </message>
    <message>
        <source>The data to be written do not carry the product code %1 at 0x270-0x275, and a radio that took them would refuse every later read and write. Nothing was written. Start from the radio&apos;s own data or from a destination, then program again.</source>
        <translation>De te schrijven gegevens dragen niet de productcode %1 op 0x270-0x275, en een marifoon die ze aannam zou elk later lezen en schrijven weigeren. Er is niets geschreven. Begin bij de gegevens van de marifoon zelf of bij een regio en schrijf daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 has no ATIS code yet and will take the code %2.</source>
        <translation>De marifoon op %1 heeft nog geen ATIS-code en neemt de code %2 aan.</translation>
    </message>
    <message>
        <source>A radio takes its ATIS code only once: afterwards only ATIS Clear removes it.</source>
        <translation>Een marifoon neemt zijn ATIS-code maar één keer aan: daarna verwijdert alleen ATIS wissen hem.</translation>
    </message>
    <message>
        <source>Program the radio with this code?</source>
        <translation>De marifoon met deze code schrijven?</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 is as it was. To program it without an ATIS code, empty the ATIS code of the data, then program again.</source>
        <translation>Er is niets geschreven: de marifoon op %1 is ongewijzigd. Om hem zonder ATIS-code te schrijven, maakt u de ATIS-code van de gegevens leeg en schrijft u daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a write never removes the ATIS code a radio holds, and these data hold none.</source>
        <translation>De marifoon op %1 hield zijn eigen ATIS-code %2: schrijven verwijdert nooit de ATIS-code van een marifoon, en deze gegevens bevatten er geen.</translation>
    </message>
    <message>
        <source>To remove it: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line).</source>
        <translation>Om hem te verwijderen: wis de code van de marifoon met ATIS wissen (clear-atis op de opdrachtregel).</translation>
    </message>
    <message>
        <source>The radio on %1 kept its own ATIS code %2: a radio takes its ATIS code only once, so the code %3 shown on the PC was not programmed.</source>
        <translation>De marifoon op %1 hield zijn eigen ATIS-code %2: een marifoon neemt zijn ATIS-code maar één keer aan, dus de code %3 op de pc is niet geschreven.</translation>
    </message>
    <message>
        <source>To program %1: clear the radio&apos;s code with ATIS Clear (clear-atis on the command line), then program the radio again with data that hold %1 (the clear empties the code on the PC as well).</source>
        <translation>Om %1 te schrijven: wis de code van de marifoon met ATIS wissen (clear-atis op de opdrachtregel) en schrijf de marifoon daarna opnieuw met gegevens die %1 bevatten (het wissen maakt ook de code op de pc leeg).</translation>
    </message>
    <message>
        <source>Still waiting on %1 for %2 (nothing for %3 s; giving up after %4 s).</source>
        <translation>Wacht op %1 nog op %2 (al %3 s niets; stopt na %4 s).</translation>
    </message>
    <message>
        <source>Port Inicialize Error!!</source>
        <translation>Fout bij het openen van de poort!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Fout bij het instellen van de poort!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-opdracht geweigerd!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Time-out!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>Geannuleerd!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Adresfout!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Gegevensfout!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Productcodefout!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Marifoon niet gereed!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>De verbinding opnieuw synchroniseren?</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Marifoon is bezet!</translation>
    </message>
    <message>
        <source>The region is unmatched.<byte value="xd"/>
Do you want to change the region?</source>
        <translation>De regio komt niet overeen.<byte value="xd"/>
Wilt u de regio wijzigen?</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fout bij het lezen van het bestand!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fout bij het opslaan van het bestand!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Ongeldig bestand!</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fout bij het lezen van het regiobestand!</translation>
    </message>
    <message>
        <source>The diagnostics were not saved.</source>
        <translation>De diagnose is niet opgeslagen.</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>Pc-programma voor %1</translation>
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
        <translation>de map %1</translation>
    </message>
    <message>
        <source>it is a %1, not a file</source>
        <translation>het is %1, geen bestand</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not a file</source>
        <translation>het is een koppeling naar %1, dat geen bestand is</translation>
    </message>
    <message>
        <source>it is a link to the %1 %2, not to a file</source>
        <translation>het is een koppeling naar %1 %2, niet naar een bestand</translation>
    </message>
    <message>
        <source>it is a link to %1, which is read-only</source>
        <translation>het is een koppeling naar %1, dat alleen-lezen is</translation>
    </message>
    <message>
        <source>%1, so it is not replaced</source>
        <translation>%1, dus het wordt niet vervangen</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 is een bestand, geen map</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 bestaat niet</translation>
    </message>
    <message>
        <source>permission denied: you may not write in %1</source>
        <translation>toegang geweigerd: u mag niet schrijven in %1</translation>
    </message>
    <message>
        <source>the file is for the region %1 and the data set for %2, and %3, then open the file again.</source>
        <translation>het bestand hoort bij de regio %1 en de gegevens bij %2, en %3; open het bestand daarna opnieuw.</translation>
    </message>
    <message>
        <source>the current folder</source>
        <translation>de huidige map</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>Move it out of the way.</source>
        <translation>Zet het opzij.</translation>
    </message>
    <message>
        <source>Give the name of a file.</source>
        <translation>Geef de naam van een bestand.</translation>
    </message>
    <message>
        <source>device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>pipe</source>
        <translation>een pipe</translation>
    </message>
    <message>
        <source>socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>Make it writable.</source>
        <translation>Maak het schrijfbaar.</translation>
    </message>
    <message>
        <source>Make it writable first, or give another file name.</source>
        <translation>Maak het eerst schrijfbaar, of geef een andere bestandsnaam.</translation>
    </message>
    <message>
        <source>Move that file out of the way.</source>
        <translation>Zet dat bestand opzij.</translation>
    </message>
    <message>
        <source>Move that file out of the way, or give a path in another folder.</source>
        <translation>Zet dat bestand opzij, of geef een pad in een andere map.</translation>
    </message>
    <message>
        <source>Create it.</source>
        <translation>Maak hem aan.</translation>
    </message>
    <message>
        <source>Create it, or give a path in another folder.</source>
        <translation>Maak hem aan, of geef een pad in een andere map.</translation>
    </message>
    <message>
        <source>a part of its folder is a file, not a folder</source>
        <translation>een deel van de map is een bestand, geen map</translation>
    </message>
    <message>
        <source>Check the folders of the path.</source>
        <translation>Controleer de mappen van het pad.</translation>
    </message>
    <message>
        <source>Check the folders of the path, or give a path in another folder.</source>
        <translation>Controleer de mappen van het pad, of geef een pad in een andere map.</translation>
    </message>
    <message>
        <source>Make that folder writable for you.</source>
        <translation>Maak die map schrijfbaar voor u.</translation>
    </message>
    <message>
        <source>Give a path in a folder you may write in.</source>
        <translation>Geef een pad in een map waarin u mag schrijven.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>Free some space.</source>
        <translation>Maak ruimte vrij.</translation>
    </message>
    <message>
        <source>Free some space, or give a path on another disk.</source>
        <translation>Maak ruimte vrij, of geef een pad op een andere schijf.</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>de schijf is alleen-lezen</translation>
    </message>
    <message>
        <source>Make the disk writable.</source>
        <translation>Maak de schijf schrijfbaar.</translation>
    </message>
    <message>
        <source>Give a path on another disk.</source>
        <translation>Geef een pad op een andere schijf.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>Move that folder out of the way.</source>
        <translation>Zet die map opzij.</translation>
    </message>
    <message>
        <source>its name is longer than the system allows</source>
        <translation>de naam is langer dan het systeem toestaat</translation>
    </message>
    <message>
        <source>Check the path.</source>
        <translation>Controleer het pad.</translation>
    </message>
    <message>
        <source>Check the path, or give a shorter name.</source>
        <translation>Controleer het pad, of geef een kortere naam.</translation>
    </message>
    <message>
        <source>Check the path and the disk.</source>
        <translation>Controleer het pad en de schijf.</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>Check its name and folder.</source>
        <translation>Controleer de naam en de map.</translation>
    </message>
    <message>
        <source>permission denied: you may not read it</source>
        <translation>toegang geweigerd: u mag het niet lezen</translation>
    </message>
    <message>
        <source>Copy it to a folder of yours and open the copy.</source>
        <translation>Kopieer het naar een eigen map en open de kopie.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>Check the file and the disk.</source>
        <translation>Controleer het bestand en de schijf.</translation>
    </message>
    <message>
        <source>Check the cable and the radio on %1, then read again.</source>
        <translation>Controleer de kabel en de marifoon op %1 en lees daarna opnieuw.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then program again.</source>
        <translation>Controleer de kabel en de marifoon en schrijf daarna opnieuw.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then clear again.</source>
        <translation>Controleer de kabel en de marifoon en wis daarna opnieuw.</translation>
    </message>
    <message>
        <source>Program the radio again before you use it.</source>
        <translation>Schrijf de marifoon opnieuw voordat u hem gebruikt.</translation>
    </message>
    <message>
        <source>Clear the ATIS data again before you use the radio.</source>
        <translation>Wis de ATIS-gegevens opnieuw voordat u de marifoon gebruikt.</translation>
    </message>
    <message>
        <source>Not verified: read back, the radio on %1 holds other bytes than were sent at %2.</source>
        <translation>Niet bevestigd: bij het teruglezen bevat de marifoon op %1 andere bytes dan verzonden op %2.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back was cancelled, so it is not verified.</source>
        <translation>De marifoon op %1 nam alle gegevens aan, maar het teruglezen is geannuleerd, dus ze zijn niet bevestigd.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back was cancelled, so it is not verified.</source>
        <translation>De marifoon op %1 nam het hele wissen aan, maar het teruglezen is geannuleerd, dus het is niet bevestigd.</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole write, but reading it back failed, so it is not verified. %2</source>
        <translation>De marifoon op %1 nam alle gegevens aan, maar het teruglezen mislukte, dus ze zijn niet bevestigd. %2</translation>
    </message>
    <message>
        <source>The radio on %1 took the whole clear, but reading it back failed, so it is not verified. %2</source>
        <translation>De marifoon op %1 nam het hele wissen aan, maar het teruglezen mislukte, dus het is niet bevestigd. %2</translation>
    </message>
    <message>
        <source>Verified: the radio on %1 holds everything written.</source>
        <translation>Bevestigd: de marifoon op %1 bevat alles wat is geschreven.</translation>
    </message>
    <message>
        <source>Nothing was written: the radio on %1 already holds everything these data would write.</source>
        <translation>Er is niets geschreven: de marifoon op %1 bevat al alles wat deze gegevens zouden schrijven.</translation>
    </message>
    <message>
        <source>The cable on %1 returns every byte it is sent (a cable with echo). Transfers through it need the echo check: --echo-check on the command line, or start the desktop application with /NT.</source>
        <translation>De kabel op %1 stuurt elke byte terug (een kabel met echo). Overdrachten erdoor hebben de echocontrole nodig: --echo-check op de opdrachtregel, of start het programma met /NT.</translation>
    </message>
    <message>
        <source>Nothing answered on %1. The radio is switched off, or it is not in PC-control mode (switch it on while holding [PRESET] until it shows PC CONTROL), or its cable is on another port than %1.</source>
        <translation>Op %1 antwoordde niets. De marifoon staat uit, of staat niet in pc-modus (zet hem aan terwijl u [PRESET] ingedrukt houdt tot hij PC CONTROL toont), of zijn kabel zit op een andere poort dan %1.</translation>
    </message>
    <message>
        <source>The radio on %1 answered but did not report ready (it may be busy). Wait until it shows PC CONTROL, then test again.</source>
        <translation>De marifoon op %1 antwoordde maar meldde zich niet gereed (hij is misschien bezet). Wacht tot hij PC CONTROL toont en test daarna opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 answered, but the exchange that followed failed: %2. Switch the radio off, switch it on again in PC-control mode, then test again.</source>
        <translation>De marifoon op %1 antwoordde, maar de uitwisseling daarna mislukte: %2. Zet de marifoon uit, weer aan in pc-modus, en test daarna opnieuw.</translation>
    </message>
    <message>
        <source>model words %1 and %2</source>
        <translation>modelwoorden %1 en %2</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Hij bevat een ATIS-code; er is %1 keer een ATIS-code in geprogrammeerd.</translation>
    </message>
    <message>
        <source>It holds an ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Hij bevat een ATIS-code; er is %1 keer een ATIS-code in geprogrammeerd.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 time.</source>
        <translation>Hij bevat geen ATIS-code; er is %1 keer een ATIS-code in geprogrammeerd.</translation>
    </message>
    <message>
        <source>It holds no ATIS code; an ATIS code has been programmed into it %1 times.</source>
        <translation>Hij bevat geen ATIS-code; er is %1 keer een ATIS-code in geprogrammeerd.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: it is no %2 (%3), so this program cannot read or write it.</source>
        <translation>De marifoon op %1 antwoordde: het is geen %2 (%3), dus dit programma kan hem niet lezen of schrijven.</translation>
    </message>
    <message>
        <source>The radio on %1 answered: a %2 (%3), region %4.</source>
        <translation>De marifoon op %1 antwoordde: een %2 (%3), regio %4.</translation>
    </message>
    <message>
        <source>The cable and the port work: the radio can be read and programmed.</source>
        <translation>De kabel en de poort werken: de marifoon kan worden gelezen en geprogrammeerd.</translation>
    </message>
    <message>
        <source>The test of %1 was cancelled.</source>
        <translation>De test van %1 is geannuleerd.</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Verbinding testen</translation>
    </message>
    <message>
        <source>the group has no channel %1 (it has 00 to 99)</source>
        <translation>de groep heeft geen kanaal %1 (hij heeft 00 tot 99)</translation>
    </message>
    <message>
        <source>it has no duplex mode the radio knows</source>
        <translation>het heeft geen duplexmodus die de marifoon kent</translation>
    </message>
    <message>
        <source>it has no status number the radio knows</source>
        <translation>het heeft geen statusnummer dat de marifoon kent</translation>
    </message>
    <message>
        <source>it has no status icon the radio knows</source>
        <translation>het heeft geen statuspictogram dat de marifoon kent</translation>
    </message>
    <message>
        <source>its Rx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>zijn ontvangstfrequentie %1 ligt buiten %2 tot %3 MHz of niet op een stap van 25 kHz</translation>
    </message>
    <message>
        <source>its Tx frequency %1 is outside %2 to %3 MHz or not on a 25 kHz step</source>
        <translation>zijn zendfrequentie %1 ligt buiten %2 tot %3 MHz of niet op een stap van 25 kHz</translation>
    </message>
    <message>
        <source>it has no display name</source>
        <translation>het heeft geen weergavenaam</translation>
    </message>
    <message>
        <source>the radio cannot show its display name &quot;%1&quot;</source>
        <translation>de marifoon kan zijn weergavenaam &quot;%1&quot; niet tonen</translation>
    </message>
    <message>
        <source>the weather channels are fixed</source>
        <translation>de weerkanalen liggen vast</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Row %1 (%2)</source>
        <translation>Rij %1 (%2)</translation>
    </message>
    <message>
        <source>%1 holds at most %2 channels; it holds %3 and %4 are to be pasted. Nothing was pasted; delete channels or copy fewer, then paste again.</source>
        <translation>%1 bevat hoogstens %2 kanalen; er zijn er %3 en %4 moeten worden geplakt. Er is niets geplakt; verwijder kanalen of kopieer er minder, en plak dan opnieuw.</translation>
    </message>
    <message>
        <source>%1 cannot be pasted into %2: %3. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>%1 kan niet in %2 worden geplakt: %3. Er is niets geplakt; corrigeer die rij of laat hem weg, en plak dan opnieuw.</translation>
    </message>
    <message>
        <source>The channels on the clipboard cannot be pasted: %1. Nothing was pasted; correct that row or leave it out, then paste again.</source>
        <translation>De kanalen op het klembord kunnen niet worden geplakt: %1. Er is niets geplakt; corrigeer die rij of laat hem weg, en plak dan opnieuw.</translation>
    </message>
    <message>
        <source>its CH &quot;%1&quot; is no channel name of the grid</source>
        <translation>zijn CH &quot;%1&quot; is geen kanaalnaam van het raster</translation>
    </message>
    <message>
        <source>its DUP &quot;%1&quot; is no duplex mode</source>
        <translation>zijn DUP &quot;%1&quot; is geen duplexmodus</translation>
    </message>
    <message>
        <source>its group mark &quot;%1&quot; is neither 1 nor 0</source>
        <translation>zijn groepsmarkering &quot;%1&quot; is 1 noch 0</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot; is neither %1 nor dashes</source>
        <translation>zijn %1 &quot;%2&quot; is %1 noch streepjes</translation>
    </message>
    <message>
        <source>its VS &quot;%1&quot; is no scrambler code</source>
        <translation>zijn VS &quot;%1&quot; is geen versleutelingscode</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; is no field of a channel; the headings are the keys of a channel data file: %3</source>
        <translation>regel %1: de kolom &quot;%2&quot; is geen veld van een kanaal; de koppen zijn de sleutels van een kanaalgegevensbestand: %3</translation>
    </message>
    <message>
        <source>line %1: the column &quot;%2&quot; comes twice; keep one of them</source>
        <translation>regel %1: de kolom &quot;%2&quot; komt twee keer voor; houd er één van</translation>
    </message>
    <message>
        <source>line %1: there is no column &quot;List&quot;, which names the list of each row (CHUSA, CHINT, CHCAN, CHWX, CHRG or CHEXP)</source>
        <translation>regel %1: er is geen kolom &quot;List&quot;, die de lijst van elke rij noemt (CHUSA, CHINT, CHCAN, CHWX, CHRG of CHEXP)</translation>
    </message>
    <message>
        <source>it has no %1, which every channel of %2 has</source>
        <translation>het heeft geen %1, die elk kanaal van %2 heeft</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not %3</source>
        <translation>%1 &quot;%2&quot; is niet %3</translation>
    </message>
    <message>
        <source>%1 is %2, but the channels of %3 are always enabled</source>
        <translation>%1 is %2, maar de kanalen van %3 zijn altijd actief</translation>
    </message>
    <message>
        <source>it holds no heading line and no channel</source>
        <translation>het bevat geen kopregel en geen kanaal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no channel list (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</source>
        <translation>&quot;%1&quot; is geen kanaallijst (CHUSA, CHINT, CHCAN, CHWX, CHRG, CHEXP)</translation>
    </message>
    <message>
        <source>%1: the list holds at most %2 channels</source>
        <translation>%1: de lijst bevat hoogstens %2 kanalen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>The file ends without the [%1] line this program writes last in every data file: it was cut short, so lists may be missing channels.</source>
        <translation>Het bestand eindigt zonder de regel [%1] die dit programma als laatste in elk gegevensbestand schrijft: het is afgekapt, dus in lijsten kunnen kanalen ontbreken.</translation>
    </message>
    <message>
        <source>The file has no %1, which every data file holds: it may have been cut short, and those settings were not read from it.</source>
        <translation>Het bestand heeft geen %1, die elk gegevensbestand bevat: het is misschien afgekapt, en die instellingen zijn er niet uit gelezen.</translation>
    </message>
    <message>
        <source>The file ends inside [%1] (line %2), before its %3 line: it may have been cut short.</source>
        <translation>Het bestand eindigt binnen [%1] (regel %2), vóór de regel %3: het is misschien afgekapt.</translation>
    </message>
    <message>
        <source>[%1] (line %2): %3; its lines are ignored.</source>
        <translation>[%1] (regel %2): %3; de regels ervan worden genegeerd.</translation>
    </message>
    <message>
        <source>[%1] to [%2] (lines %3 to %4): %5; their lines are ignored.</source>
        <translation>[%1] tot [%2] (regels %3 tot %4): %5; de regels ervan worden genegeerd.</translation>
    </message>
    <message>
        <source>%1 (line %2): %3; %4.</source>
        <translation>%1 (regel %2): %3; %4.</translation>
    </message>
    <message>
        <source>line %1: skipped, %2.</source>
        <translation>regel %1: overgeslagen, %2.</translation>
    </message>
    <message>
        <source>%1 was opened, but not everything in it was taken as written. Check these settings before you program the radio:</source>
        <translation>%1 is geopend, maar niet alles erin is overgenomen zoals het er staat. Controleer deze instellingen voordat u de marifoon programmeert:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>the records of %1 are always enabled</source>
        <translation>de records van %1 zijn altijd actief</translation>
    </message>
    <message>
        <source>taken as 1</source>
        <translation>als 1 overgenomen</translation>
    </message>
    <message>
        <source>kept empty</source>
        <translation>leeg gelaten</translation>
    </message>
    <message>
        <source>kept as %1</source>
        <translation>gelaten als %1</translation>
    </message>
    <message>
        <source>ignored</source>
        <translation>genegeerd</translation>
    </message>
    <message>
        <source>not %1</source>
        <translation>niet %1</translation>
    </message>
    <message>
        <source>it has no %1</source>
        <translation>het heeft geen %1</translation>
    </message>
    <message>
        <source>its %1 is 0</source>
        <translation>zijn %1 is 0</translation>
    </message>
    <message>
        <source>%1, which ends the list %2</source>
        <translation>%1, wat de lijst %2 beëindigt</translation>
    </message>
    <message>
        <source>the list %1 holds no more records</source>
        <translation>de lijst %1 bevat geen records meer</translation>
    </message>
    <message>
        <source>the list %1 ends before it</source>
        <translation>de lijst %1 eindigt ervoor</translation>
    </message>
    <message>
        <source>a section of the same name comes first</source>
        <translation>een sectie met dezelfde naam komt eerst</translation>
    </message>
    <message>
        <source>the model %1 has no ATIS</source>
        <translation>het model %1 heeft geen ATIS</translation>
    </message>
    <message>
        <source>no such section</source>
        <translation>geen bekende sectie</translation>
    </message>
    <message>
        <source>the same key comes earlier</source>
        <translation>dezelfde sleutel komt eerder</translation>
    </message>
    <message>
        <source>not a key the program reads here</source>
        <translation>geen sleutel die het programma hier leest</translation>
    </message>
    <message>
        <source>a channel position from %1 to %2</source>
        <translation>een kanaalpositie van %1 tot %2</translation>
    </message>
    <message>
        <source>a channel of %1 (1 to %2) nor none (-1 or 65535)</source>
        <translation>een kanaal van %1 (1 tot %2) of geen (-1 of 65535)</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>een geheel getal van %1 tot %2</translation>
    </message>
    <message>
        <source>0, 1, True or False</source>
        <translation>0, 1, True of False</translation>
    </message>
    <message>
        <source>0 nor a frequency above 100 and below 200 MHz</source>
        <translation>0 of een frequentie boven 100 en onder 200 MHz</translation>
    </message>
    <message>
        <source>a channel name the radio can show (two letters, digits or -+().*/,)</source>
        <translation>een kanaalnaam die de marifoon kan tonen (twee letters, cijfers of -+().*/,)</translation>
    </message>
    <message>
        <source>an ATIS code (empty or ten digits)</source>
        <translation>een ATIS-code (leeg of tien cijfers)</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serienummer %1</translation>
    </message>
    <message>
        <source>also %1</source>
        <translation>ook %1</translation>
    </message>
    <message>
        <source>The channels were not imported.</source>
        <translation>De kanalen zijn niet geïmporteerd.</translation>
    </message>
    <message>
        <source>it is saved as UTF-16 text. Save it from the spreadsheet as &quot;CSV UTF-8&quot; (or plain CSV), then import it again.</source>
        <translation>het is opgeslagen als UTF-16-tekst. Sla het in het rekenblad op als &quot;CSV UTF-8&quot; (of gewoon CSV) en importeer het opnieuw.</translation>
    </message>
    <message>
        <source>it is no channel table: %1. Export the channels once to see the table the program reads.</source>
        <translation>het is geen kanaaltabel: %1. Exporteer de kanalen een keer om de tabel te zien die het programma leest.</translation>
    </message>
    <message>
        <source>it holds a heading line but no channel under it. Add a row per channel, then import it again.</source>
        <translation>het bevat een kopregel maar geen kanaal eronder. Voeg een rij per kanaal toe en importeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 rows cannot be imported:</source>
        <translation>%1: %2 van %3 rijen kunnen niet worden geïmporteerd:</translation>
    </message>
    <message>
        <source>The channels were not imported. Correct the rows, then import again.</source>
        <translation>De kanalen zijn niet geïmporteerd. Corrigeer de rijen en importeer opnieuw.</translation>
    </message>
    <message>
        <source>Import the other %1 rows? Each list they belong to is replaced by them; the other lists stay as they are.</source>
        <translation>De overige %1 rijen importeren? Elke lijst waartoe ze behoren wordt door hen vervangen; de andere lijsten blijven zoals ze zijn.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Compare With &amp;File...</source>
        <translation>Vergelijken met &amp;bestand...</translation>
    </message>
    <message>
        <source>Show how a channel data or image file differs from this data set</source>
        <translation>Toont waarin een kanaalgegevens- of imagebestand verschilt van deze gegevens</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan a&amp;ls...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Als standaard o&amp;pslaan</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Afdrukken naar bes&amp;tand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>Over&amp;dracht</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Naar marifoon &amp;schrijven</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Uit marifoon &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Compare With Radio</source>
        <translation>&amp;Vergelijken met marifoon</translation>
    </message>
    <message>
        <source>Read the radio and show how it differs from this data set, which stays as it is</source>
        <translation>Leest de marifoon en toont waarin hij verschilt van deze gegevens, die blijven zoals ze zijn</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Regio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Seriële poort</translation>
    </message>
    <message>
        <source>&amp;Read Radio Before Programming</source>
        <translation>Marifoon eerst &amp;uitlezen</translation>
    </message>
    <message>
        <source>Keep a backup of the radio&apos;s whole memory, read just before it is programmed</source>
        <translation>Bewaart een back-up van het hele geheugen van de marifoon, gelezen vlak voordat hij wordt geschreven</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Open Image File...</source>
        <translation>Imagebestand &amp;openen...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Image File...</source>
        <translation>Imagebestand o&amp;pslaan...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>Show &amp;Backups Folder</source>
        <translation>&amp;Back-upmap tonen</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostics...</source>
        <translation>&amp;Diagnose opslaan...</translation>
    </message>
    <message>
        <source>&amp;About KVX Version</source>
        <translation>&amp;Over de KVX-versie</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>dat files(*.dat);;All files(*.*)</source>
        <translation>dat-bestanden (*.dat);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>dat files(*.dat);;hex files(*.hex);;All files(*.*)</source>
        <translation>dat-bestanden (*.dat);;hex-bestanden (*.hex);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>hex files(*.hex);;All files(*.*)</source>
        <translation>hex-bestanden (*.hex);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Verify &amp;After Programming</source>
        <translation>Na schrijven &amp;controleren</translation>
    </message>
    <message>
        <source>Read back everything written to the radio and check that it holds it</source>
        <translation>Leest alles wat naar de marifoon is geschreven terug en controleert of hij het bevat</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>Naar &amp;boven</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Naar bene&amp;den</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>Kanalen e&amp;xporteren...</translation>
    </message>
    <message>
        <source>Save the channel lists as a table (.csv) for a spreadsheet</source>
        <translation>Slaat de kanaallijsten op als tabel (.csv) voor een rekenblad</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>Kanalen &amp;importeren...</translation>
    </message>
    <message>
        <source>Replace the channel lists a table (.csv) holds rows for</source>
        <translation>Vervangt de kanaallijsten waarvoor een tabel (.csv) rijen bevat</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbinding &amp;testen</translation>
    </message>
    <message>
        <source>Test the cable and the port: what answers, and what the radio is</source>
        <translation>Test de kabel en de poort: wat antwoordt er, en welke marifoon het is</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Herhalen: %1</translation>
    </message>
    <message>
        <source>More Buttons</source>
        <translation>Meer knoppen</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>the PDF file %1</source>
        <translation>het pdf-bestand %1</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>de printer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The report was not printed: no printer is set up on this computer.<byte value="xd"/>
Set up a printer in the system&apos;s settings, then print again. File &gt; Print Preview shows the pages without a printer.</source>
        <translation>Het rapport is niet afgedrukt: op deze computer is geen printer ingesteld.<byte value="xd"/>
Stel in de systeeminstellingen een printer in en druk daarna opnieuw af. Bestand &gt; Afdrukvoorbeeld toont de pagina&apos;s zonder printer.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be written.<byte value="xd"/>
Choose a folder you may write to, then print again.</source>
        <translation>Het rapport is niet afgedrukt: %1 kon niet worden geschreven.<byte value="xd"/>
Kies een map waarin u mag schrijven en druk daarna opnieuw af.</translation>
    </message>
    <message>
        <source>The report was not printed: %1 could not be started.<byte value="xd"/>
Check that it is switched on, connected and ready, or choose another printer, then print again.</source>
        <translation>Het rapport is niet afgedrukt: %1 kon niet worden gestart.<byte value="xd"/>
Controleer of hij aan staat, aangesloten en gereed is, of kies een andere printer, en druk daarna opnieuw af.</translation>
    </message>
    <message>
        <source>Printing stopped on %1 after %2 sheet(s): the report is not complete.<byte value="xd"/>
Check the printer, then print the report again.</source>
        <translation>Het afdrukken op %1 stopte na %2 vel(len): het rapport is niet compleet.<byte value="xd"/>
Controleer de printer en druk het rapport daarna opnieuw af.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>tpw52 needs a desktop session to show its window; tpw52-cli does the same work without one (see tpw52-cli --help).</source>
        <translation>tpw52 heeft een desktopsessie nodig om zijn venster te tonen; tpw52-cli doet hetzelfde werk zonder (zie tpw52-cli --help).</translation>
    </message>
    <message>
        <source>The computer ran out of memory, and the last command was not finished.
Save your data under a new name, then restart the program.</source>
        <translation>Het geheugen van de computer is vol en de laatste opdracht is niet afgemaakt.
Sla uw gegevens op onder een nieuwe naam en start het programma daarna opnieuw.</translation>
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
        <translation>Gebruik: tpw52 [BESTAND] [/D] [/E] [/NT] [/DEMO] [--lang CODE]
Het pc-programmeerprogramma van de QZ815 marifoon: leest de kanalen en instellingen
van de marifoon via de programmeerkabel, bewerkt ze, schrijft ze terug, bewaart ze in
kanaalgegevensbestanden en drukt ze af.

  BESTAND    een kanaalgegevensbestand (.dat) om bij de start te openen, zoals Bestand &gt; Openen
  /D         diagnosemodus: protocoltrace, hexdump, imagebestanden, err.log
  /E         lage snelheid: de seriële poort blijft op 19200 baud
  /NT        de echo van elke verzonden byte controleren, voor kabels die hem teruggeven
  /DEMO      een gesimuleerde marifoon als seriële poort aanbieden, om het programma te proberen
  --lang CODE  de taal van het venster: en, de, nl of fr (Opties &gt; Taal
             onthoudt er een; anders de taal van het systeem)
  --help     deze hulp afdrukken en stoppen
  --version  de versie afdrukken en stoppen
</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AboutBox</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming tool for the QZ815 marine VHF radio&lt;br&gt;Version %2&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:14pt&apos;&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Pc-programmeersoftware voor de QZ815 marifoon&lt;br&gt;Versie %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>This program is provided as is, without warranty of any kind. Check every channel against the rules of your waters before you use the radio; transmitting on a channel you are not licensed for may be unlawful.</source>
        <translation>Dit programma wordt geleverd zoals het is, zonder enige garantie. Controleer elk kanaal aan de hand van de regels van uw vaarwater voordat u de marifoon gebruikt; zenden op een kanaal waarvoor u geen vergunning hebt, kan verboden zijn.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::AtisSection</name>
    <message>
        <source>ATIS Function</source>
        <translation>ATIS-functie</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroepen</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <source>10 digits</source>
        <translation>10 cijfers</translation>
    </message>
    <message>
        <source>Times programmed</source>
        <translation>Aantal keer geprogrammeerd</translation>
    </message>
    <message>
        <source>ATIS Clear</source>
        <translation>ATIS wissen</translation>
    </message>
    <message>
        <source>Erase the ATIS code in the radio: the only way to change a code the radio already holds.</source>
        <translation>Wist de ATIS-code in de marifoon: de enige manier om een code te wijzigen die de marifoon al heeft.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelEditPanel</name>
    <message>
        <source>CH Enable</source>
        <translation>Kanaal actief</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Spraakvervormer</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULEREN</translation>
    </message>
    <message>
        <source>BASE CH No.</source>
        <translation>Basiskanaalnr.</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Kanaalmodus</translation>
    </message>
    <message>
        <source>SIMP/DUP</source>
        <translation>SIMP/DUP</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbool</translation>
    </message>
    <message>
        <source>CH Status No.</source>
        <translation>Kanaalstatusnr.</translation>
    </message>
    <message>
        <source>Channel Groups</source>
        <translation>Kanaalgroepen</translation>
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
        <translation>Zenden</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Zenden toegestaan</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ChannelListPanel</name>
    <message>
        <source>NEW</source>
        <translation>NIEUW</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>WIJZIGEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>VERWIJDEREN</translation>
    </message>
</context>
<context>
    <name>tpw::gui::CommonSetupPage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Voorrangskanaal</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Scanfunctie</translation>
    </message>
    <message>
        <source>DW/TW Function</source>
        <translation>DW/TW-functie</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Weerkanaalfunctie</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonModel</name>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Instelling</translation>
    </message>
    <message>
        <source>This data set</source>
        <translation>Deze gegevens</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ComparisonWindow</name>
    <message>
        <source>Compare With %1</source>
        <translation>Vergelijken met %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>[Double click],[Enter]: go to the setting.</source>
        <translation>[Dubbelklik],[Enter]: naar de instelling.</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>tpw::gui::EditorPane</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
</context>
<context>
    <name>tpw::gui::GeneralPage</name>
    <message>
        <source>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;PC programming for the QZ815 marine VHF radio&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:18pt&apos;&gt;&lt;b&gt;TPW52&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Pc-programmering voor de QZ815 marifoon&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Read the radio (Transfer &amp;gt; Read from Radio),&lt;br&gt;choose a list on the left to look at its channels,&lt;br&gt;then program the radio (Transfer &amp;gt; Program to Radio).</source>
        <translation>Lees de marifoon uit (Overdracht &amp;gt; Uit marifoon lezen),&lt;br&gt;kies links een lijst om de kanalen te zien,&lt;br&gt;en schrijf daarna de marifoon (Overdracht &amp;gt; Naar marifoon schrijven).</translation>
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
        <translation>Marifoon</translation>
    </message>
    <message>
        <source>The file<byte value="xd"/>
%1<byte value="xd"/>
no longer exists and has been removed from the recent files. Open it with File &gt; Open from where it is now.</source>
        <translation>Het bestand<byte value="xd"/>
%1<byte value="xd"/>
bestaat niet meer en is uit de recente bestanden verwijderd. Open het met Bestand &gt; Openen vanaf de plek waar het nu staat.</translation>
    </message>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Wilt u de serie %1 programmeren?</translation>
    </message>
    <message>
        <source>The backups folder could not be shown.<byte value="xd"/>
%1: %2</source>
        <translation>De back-upmap kon niet worden getoond.<byte value="xd"/>
%1: %2</translation>
    </message>
    <message>
        <source>no file manager opened it. Open it in your file manager; every read and write of a radio keeps its backup there.</source>
        <translation>geen bestandsbeheerder opende hem. Open hem in uw bestandsbeheerder; elk lezen en schrijven van een marifoon bewaart daar zijn back-up.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PcPicture</name>
    <message>
        <source>PC</source>
        <translation>Pc</translation>
    </message>
</context>
<context>
    <name>tpw::gui::PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page</source>
        <translation>&amp;Vorige pagina</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>V&amp;olgende pagina</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Breedte passend</translation>
    </message>
    <message>
        <source>&amp;Whole Page</source>
        <translation>&amp;Hele pagina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>tpw::gui::RadioPicture</name>
    <message>
        <source>Radio</source>
        <translation>Marifoon</translation>
    </message>
</context>
<context>
    <name>tpw::gui::ReportWindow</name>
    <message>
        <source>Print to File</source>
        <translation>Afdrukken naar bestand</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Het rapport wordt gemaakt. Even geduld...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Op&amp;slaan als...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>tpw::gui::SerialPortMenu</name>
    <message>
        <source>Simulated radio (demo)</source>
        <translation>Gesimuleerde marifoon (demo)</translation>
    </message>
    <message>
        <source>Simulated radio</source>
        <translation>Gesimuleerde marifoon</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>1.Connect the KVX cable between the PC serial port and the radio.<byte value="xd"/>
2.On the radio, press and hold [PRESET] keys while<byte value="xd"/>
   turning the power on.<byte value="xd"/>
   The Radio display will show PC CONTROL.<byte value="xd"/>
3.Press the [OK] button to start.</source>
        <translation>1. Sluit de KVX-kabel aan tussen de seriële poort van de pc en de marifoon.<byte value="xd"/>
2. Houd op de marifoon de toets [PRESET] ingedrukt<byte value="xd"/>
   terwijl u hem aanzet.<byte value="xd"/>
   Het scherm van de marifoon toont PC CONTROL.<byte value="xd"/>
3. Druk op [OK] om te beginnen.</translation>
    </message>
</context>
<context>
    <name>tpw::gui::TransferProgress</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
</context>
<context>
    <name>tpw::gui::WriteChangesDialog</name>
    <message>
        <source>Written</source>
        <translation>Geschreven</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Marifoon</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
