<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Championship</name>
    <message>
        <source>pass %1</source>
        <translation>%1 überschreiten</translation>
    </message>
    <message>
        <source>fall below %1</source>
        <translation>unter %1 fallen</translation>
    </message>
    <message>
        <source>No scores were written.</source>
        <translation>Es wurden keine Punkte geschrieben.</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>driver</source>
        <translation>Fahrer</translation>
    </message>
    <message>
        <source>test driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; (team record %3)</source>
        <translation>%1 &quot;%2&quot; (Teamdatensatz %3)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; (test-driver record %3)</source>
        <translation>%1 &quot;%2&quot; (Testfahrerdatensatz %3)</translation>
    </message>
    <message>
        <source>The season score of %1 would %2 with race &quot;%3&quot;.</source>
        <translation>Die Saisonpunkte von %1 würden mit dem Rennen &quot;%3&quot; %2.</translation>
    </message>
    <message>
        <source>first driver</source>
        <translation>ersten Fahrer</translation>
    </message>
    <message>
        <source>second driver</source>
        <translation>zweiten Fahrer</translation>
    </message>
    <message>
        <source>The points of entry %1 (&quot;%2&quot;) would %3 with its %4 &quot;%5&quot;.</source>
        <translation>Die Punkte des Eintrags %1 (&quot;%2&quot;) würden mit seinem %4 &quot;%5&quot; %3.</translation>
    </message>
    <message>
        <source>The points of entry %1 (&quot;%2&quot;) would %3 with its penalties and bonuses.</source>
        <translation>Die Punkte des Eintrags %1 (&quot;%2&quot;) würden mit seinen Strafen und Boni %3.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>it begins with the mark of UTF-8 text, but line %1 is not UTF-8</source>
        <translation>sie beginnt mit der Markierung von UTF-8-Text, aber Zeile %1 ist kein UTF-8</translation>
    </message>
    <message>
        <source>it begins as UTF-16 text, but its bytes are not UTF-16</source>
        <translation>sie beginnt als UTF-16-Text, aber ihre Bytes sind kein UTF-16</translation>
    </message>
    <message>
        <source>line %1 holds a zero byte, which no text holds (a spreadsheet&apos;s own file? Save the sheet as CSV)</source>
        <translation>Zeile %1 enthält ein Nullbyte, das kein Text enthält (die eigene Datei einer Tabellenkalkulation? Speichern Sie die Tabelle als CSV)</translation>
    </message>
    <message>
        <source>the quote that opens a cell on line %1 is never closed</source>
        <translation>das Anführungszeichen, das in Zeile %1 eine Zelle öffnet, wird nie geschlossen</translation>
    </message>
    <message>
        <source>on line %1 a quoted cell goes on after its closing quote</source>
        <translation>in Zeile %1 geht eine Zelle in Anführungszeichen nach ihrem schließenden Anführungszeichen weiter</translation>
    </message>
</context>
<context>
    <name>DataDir</name>
    <message>
        <source>Could not make the data folder &quot;%1&quot;: the folder &quot;%2&quot; that would hold it does not exist.</source>
        <translation>Der Datenordner &quot;%1&quot; konnte nicht angelegt werden: Der Ordner &quot;%2&quot;, der ihn enthalten soll, existiert nicht.</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>team</source>
        <translation>Rennstall</translation>
    </message>
    <message>
        <source>engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>test driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source> Until it is mended in a text editor, the championship is not calculated, no entry&apos;s picks or owner change, no entry is deleted and the season is not published.</source>
        <translation> Bis sie in einem Texteditor berichtigt ist, wird die Meisterschaft nicht berechnet, die Wahl und der Besitzer keines Teams ändern sich, kein Team wird gelöscht und die Saison wird nicht veröffentlicht.</translation>
    </message>
    <message>
        <source>Line %1 of the decisions record &quot;%2&quot; cannot be read: %3: &quot;%4&quot;.</source>
        <translation>Zeile %1 des Entscheidungsprotokolls &quot;%2&quot; kann nicht gelesen werden: %3: &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the record begins with &quot;%1&quot;</source>
        <translation>das Protokoll beginnt mit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a decision holds its kind and an owner, apart by a tab</source>
        <translation>eine Entscheidung enthält ihre Art und einen Besitzer, durch einen Tabulator getrennt</translation>
    </message>
    <message>
        <source>a penalty or bonus holds its points, a race and a reason</source>
        <translation>eine Strafe oder ein Bonus enthält die Punkte, ein Rennen und einen Grund</translation>
    </message>
    <message>
        <source>its points are not a whole number from 1 to 32767</source>
        <translation>ihre Punkte sind keine ganze Zahl von 1 bis 32767</translation>
    </message>
    <message>
        <source>its race is not a number from 1 on</source>
        <translation>ihr Rennen ist keine Zahl ab 1</translation>
    </message>
    <message>
        <source>a transfer holds a component, two picks and a race</source>
        <translation>ein Transfer enthält eine Komponente, zwei Wahlen und ein Rennen</translation>
    </message>
    <message>
        <source>its component is none of team, engine, driver 1, driver 2 and test driver</source>
        <translation>ihre Komponente ist keine von team, engine, driver 1, driver 2 und test driver</translation>
    </message>
    <message>
        <source>its picks are not whole numbers from -32768 to 32767</source>
        <translation>ihre Wahlen sind keine ganzen Zahlen von -32768 bis 32767</translation>
    </message>
    <message>
        <source>Line %1 of the decisions record &quot;%2&quot; disagrees with the entries: %3.</source>
        <translation>Zeile %1 des Entscheidungsprotokolls &quot;%2&quot; widerspricht den Teams: %3.</translation>
    </message>
    <message>
        <source>The change would leave the decisions record &quot;%1&quot; disagreeing with the entries: %2.</source>
        <translation>Nach der Änderung würde das Entscheidungsprotokoll &quot;%1&quot; den Teams widersprechen: %2.</translation>
    </message>
    <message>
        <source>no entry has the owner &quot;%1&quot;</source>
        <translation>kein Team hat den Besitzer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 entries have the owner &quot;%2&quot;, and a decision needs a name of its own</source>
        <translation>%1 Teams haben den Besitzer &quot;%2&quot;, und eine Entscheidung braucht einen eigenen Namen</translation>
    </message>
    <message>
        <source>it changes %1&apos;s %2 from position %3, but the transfer on line %4 changed it to %5</source>
        <translation>sie ändert %2 von %1 ab Position %3, aber der Transfer in Zeile %4 hat es auf %5 geändert</translation>
    </message>
    <message>
        <source>it counts from race %1, before the transfer on line %2 (race %3)</source>
        <translation>sie gilt ab Rennen %1, vor dem Transfer in Zeile %2 (Rennen %3)</translation>
    </message>
    <message>
        <source>%1&apos;s penalties and bonuses in race %2 add up to %3, beyond what a score holds (-32768 to 32767)</source>
        <translation>die Strafen und Boni von %1 in Rennen %2 ergeben zusammen %3, mehr als eine Punktzahl fassen kann (-32768 bis 32767)</translation>
    </message>
    <message>
        <source>%1&apos;s last transfer of the %2 picks position %3, but the entry picks %4</source>
        <translation>der letzte Transfer von %1 für %2 wählt Position %3, aber das Team wählt %4</translation>
    </message>
    <message>
        <source> The entry is not stored.</source>
        <translation> Das Team wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The league&apos;s decisions record holds decisions about another owner named &quot;%1&quot;: a second entry of that name would take them over.</source>
        <translation>Das Entscheidungsprotokoll der Liga enthält Entscheidungen über einen anderen Besitzer namens &quot;%1&quot;: Ein zweites Team mit diesem Namen würde sie übernehmen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has decisions in the league&apos;s decisions record, which know an owner by a name of their own: &quot;%2&quot; is another entry&apos;s name, or holds a tab or line end.</source>
        <translation>Für &quot;%1&quot; gibt es Entscheidungen im Entscheidungsprotokoll der Liga, das einen Besitzer an einem eigenen Namen erkennt: &quot;%2&quot; ist der Name eines anderen Teams oder enthält einen Tabulator oder Zeilenumbruch.</translation>
    </message>
    <message>
        <source>A transfer needs an owner name of its own, without tabs or line ends: &quot;%1&quot; is the name of %2 entries.</source>
        <translation>Ein Transfer braucht einen eigenen Besitzernamen ohne Tabulatoren oder Zeilenumbrüche: &quot;%1&quot; ist der Name von %2 Teams.</translation>
    </message>
    <message>
        <source>A transfer of %1&apos;s %2 cannot count from before the race its last transfer counts from (race %3).</source>
        <translation>Ein Transfer von %1 für %2 kann nicht vor dem Rennen gelten, ab dem der letzte Transfer gilt (Rennen %3).</translation>
    </message>
    <message>
        <source>%1 has made %2 of the %3 transfers the league allows in a season; this change would make %4.</source>
        <translation>%1 hat %2 der %3 Transfers gemacht, die die Liga in einer Saison erlaubt; mit dieser Änderung wären es %4.</translation>
    </message>
    <message>
        <source> Nothing was stored.</source>
        <translation> Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>A decision needs an owner name of exactly one entry, without tabs or line ends: &quot;%1&quot; is the name of %2 entries.</source>
        <translation>Eine Entscheidung braucht den Besitzernamen genau eines Teams, ohne Tabulatoren oder Zeilenumbrüche: &quot;%1&quot; ist der Name von %2 Teams.</translation>
    </message>
    <message>
        <source>A reason is one line: it holds no tab or line break.</source>
        <translation>Ein Grund ist eine Zeile: Er enthält keinen Tabulator und keinen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>It counts for nothing already.</source>
        <translation>Sie zählt bereits nicht mehr.</translation>
    </message>
    <message>
        <source>A later transfer of %1&apos;s %2 follows it: take that one back first.</source>
        <translation>Ein späterer Transfer von %1 für %2 folgt darauf: Nehmen Sie zuerst diesen zurück.</translation>
    </message>
    <message>
        <source>%1&apos;s entry does not pick what the transfer picked.</source>
        <translation>Das Team von %1 wählt nicht, was der Transfer gewählt hat.</translation>
    </message>
</context>
<context>
    <name>DeleteRefusal</name>
    <message>
        <source>%1 entry chooses it or a later test driver</source>
        <translation>%1 Team wählt ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 entries choose it or a later test driver</source>
        <translation>%1 Teams wählen ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 race has points for it or a later test driver</source>
        <translation>%1 Rennen hat Punkte für ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 races have points for it or a later test driver</source>
        <translation>%1 Rennen haben Punkte für ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 transfer names it or a later test driver</source>
        <translation>%1 Transfer nennt ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 transfers name it or a later test driver</source>
        <translation>%1 Transfers nennen ihn oder einen späteren Testfahrer</translation>
    </message>
    <message>
        <source>%1 entry chooses it or a later team</source>
        <translation>%1 Team wählt ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>%1 entries choose it or a later team</source>
        <translation>%1 Teams wählen ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>%1 race has points for it or a later team</source>
        <translation>%1 Rennen hat Punkte für ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>%1 races have points for it or a later team</source>
        <translation>%1 Rennen haben Punkte für ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>%1 transfer names it or a later team</source>
        <translation>%1 Transfer nennt ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>%1 transfers name it or a later team</source>
        <translation>%1 Transfers nennen ihn oder einen späteren Rennstall</translation>
    </message>
    <message>
        <source>Team record %1 cannot be deleted: %2. Entries, races and transfers know a team by its place in the list, so every later team would move down one place and take over another&apos;s picks and points.</source>
        <translation>Rennstall %1 kann nicht gelöscht werden: %2. Teams, Rennen und Transfers erkennen einen Rennstall an seinem Platz in der Liste, daher würde jeder spätere Rennstall um einen Platz aufrücken und die Wahlen und Punkte eines anderen übernehmen.</translation>
    </message>
    <message>
        <source>Test driver %1 cannot be deleted: %2. Entries, races and transfers know a test driver by its place in the list, so every later test driver would move down one place and take over another&apos;s picks and points.</source>
        <translation>Testfahrer %1 kann nicht gelöscht werden: %2. Teams, Rennen und Transfers erkennen einen Testfahrer an seinem Platz in der Liste, daher würde jeder spätere Testfahrer um einen Platz aufrücken und die Wahlen und Punkte eines anderen übernehmen.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>The total, %1, is above the league&apos;s budget of %2.</source>
        <translation>Die Summe, %1, liegt über dem Budget der Liga von %2.</translation>
    </message>
    <message>
        <source>Driver 1 and Driver 2 are the same driver, %1.</source>
        <translation>Fahrer 1 und Fahrer 2 sind derselbe Fahrer, %1.</translation>
    </message>
</context>
<context>
    <name>EntrySheet</name>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>Test Driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>... and more.</source>
        <translation>... und weitere.</translation>
    </message>
    <message>
        <source>There is nothing to take in: paste the sheet&apos;s rows, or open its file.</source>
        <translation>Es gibt nichts zu übernehmen: Fügen Sie die Zeilen der Tabelle ein oder öffnen Sie ihre Datei.</translation>
    </message>
    <message>
        <source>Line %1 holds the control character %2, which no name holds.</source>
        <translation>Zeile %1 enthält das Steuerzeichen %2, das kein Name enthält.</translation>
    </message>
    <message>
        <source>The sheet cannot be read: %1.</source>
        <translation>Die Tabelle kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Line %1, the header, names the column %2 twice, in columns %3 and %4.</source>
        <translation>Zeile %1, die Kopfzeile, nennt die Spalte %2 zweimal, in den Spalten %3 und %4.</translation>
    </message>
    <message>
        <source>The sheet holds only its header (line %1), no entries.</source>
        <translation>Die Tabelle enthält nur ihre Kopfzeile (Zeile %1), keine Einträge.</translation>
    </message>
    <message>
        <source>Line %1 has too few cells (%2 of %3): %4.</source>
        <translation>Zeile %1 hat zu wenige Zellen (%2 von %3): %4.</translation>
    </message>
    <message>
        <source>Line %1 has too many cells (%2 of %3): %4.</source>
        <translation>Zeile %1 hat zu viele Zellen (%2 von %3): %4.</translation>
    </message>
    <message>
        <source>a row has a cell for each of the header&apos;s</source>
        <translation>eine Zeile hat eine Zelle für jede der Kopfzeile</translation>
    </message>
    <message>
        <source>without a header a row holds Owner, Team, Engine, Driver 1, Driver 2 and Test Driver, in this order</source>
        <translation>ohne Kopfzeile enthält eine Zeile Besitzer, Team, Motor, Fahrer 1, Fahrer 2 und Testfahrer, in dieser Reihenfolge</translation>
    </message>
</context>
<context>
    <name>FinishingOrder</name>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Lines %1 and %2</source>
        <translation>Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Line %1: “%2” is no place, no word for a car not classified (DNF, DNS, DSQ, NC, Ret...) and not FL.</source>
        <translation>Zeile %1: “%2” ist weder ein Platz noch ein Wort für einen nicht gewerteten Wagen (DNF, DNS, DSQ, NC, Ret...) noch FL.</translation>
    </message>
    <message>
        <source>Line %1 names no driver: “%2”.</source>
        <translation>Zeile %1 nennt keinen Fahrer: “%2”.</translation>
    </message>
    <message>
        <source>%1 give place %2.</source>
        <translation>%1 geben Platz %2 an.</translation>
    </message>
    <message>
        <source>%1 name %2.</source>
        <translation>%1 nennen %2.</translation>
    </message>
    <message>
        <source>%1 give the fastest lap.</source>
        <translation>%1 geben die schnellste Runde an.</translation>
    </message>
    <message>
        <source>The order holds no line.</source>
        <translation>Die Reihenfolge enthält keine Zeile.</translation>
    </message>
    <message>
        <source>The order holds no car, only the fastest lap.</source>
        <translation>Die Reihenfolge enthält keinen Wagen, nur die schnellste Runde.</translation>
    </message>
    <message>
        <source>%1 would score %2, beyond -32768 to 32767.</source>
        <translation>%1 bekäme %2 Punkte, außerhalb von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>The chassis “%1”</source>
        <translation>Das Chassis “%1”</translation>
    </message>
    <message>
        <source>The engine maker “%1” of “%2”</source>
        <translation>Der Motorenhersteller “%1” von “%2”</translation>
    </message>
    <message>
        <source>Line %1 of the race&apos;s finishing order &quot;%2&quot; cannot be read: &quot;%3&quot;.</source>
        <translation>Zeile %1 des Zieleinlaufs des Rennens, &quot;%2&quot;, kann nicht gelesen werden: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>It is not written over: mend it in a text editor, or remove it, and store again.</source>
        <translation>Die Datei wird nicht überschrieben: Korrigieren Sie sie in einem Texteditor oder entfernen Sie sie, und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>Io</name>
    <message>
        <source>use the data folder</source>
        <translation>als Datenordner verwendet</translation>
    </message>
    <message>
        <source>make the data folder</source>
        <translation>als Datenordner angelegt</translation>
    </message>
    <message>
        <source>Could not %1 &quot;%2&quot;: %3.</source>
        <translation>&quot;%2&quot; konnte nicht %1 werden: %3.</translation>
    </message>
    <message>
        <source>open</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link: nothing is written through it or in its place. Put the file itself there, or remove the link.</source>
        <translation>&quot;%1&quot; ist eine symbolische Verknüpfung: Über sie oder an ihrer Stelle wird nichts geschrieben. Legen Sie die Datei selbst dorthin oder entfernen Sie die Verknüpfung.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; cannot be written, so its league is open for viewing only: nothing was stored.</source>
        <translation>In den Datenordner &quot;%1&quot; kann nicht geschrieben werden, daher ist seine Liga nur zum Ansehen geöffnet: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>truncate</source>
        <translation>gekürzt</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>make the folder</source>
        <translation>als Ordner angelegt</translation>
    </message>
    <message>
        <source>flush the folder</source>
        <translation>als Ordner auf den Datenträger geschrieben</translation>
    </message>
    <message>
        <source>open the data folder</source>
        <translation>als Datenordner geöffnet</translation>
    </message>
    <message>
        <source>lock the data folder</source>
        <translation>als Datenordner gesperrt</translation>
    </message>
    <message>
        <source>load</source>
        <translation>geladen</translation>
    </message>
    <message>
        <source>create the folder</source>
        <translation>als Ordner angelegt</translation>
    </message>
    <message>
        <source>open the folder</source>
        <translation>als Ordner geöffnet</translation>
    </message>
    <message>
        <source>remove</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>lock the folder</source>
        <translation>als Ordner gesperrt</translation>
    </message>
</context>
<context>
    <name>LeagueSettings</name>
    <message>
        <source>gives no whole number from -32768 to 32767</source>
        <translation>nennt keine ganze Zahl von -32768 bis 32767</translation>
    </message>
    <message>
        <source>gives no points for the places: whole numbers from -32768 to 32767 separated by commas, the first place&apos;s first</source>
        <translation>nennt keine Punkte für die Plätze: ganze Zahlen von -32768 bis 32767, durch Kommas getrennt, die des ersten Platzes zuerst</translation>
    </message>
    <message>
        <source>gives neither sum nor best</source>
        <translation>nennt weder sum noch best</translation>
    </message>
    <message>
        <source>gives neither maker nor record</source>
        <translation>nennt weder maker noch record</translation>
    </message>
    <message>
        <source> (the league scores no race from its finishing order until it is mended)</source>
        <translation> (die Liga wertet kein Rennen aus seinem Zieleinlauf, bis sie berichtigt ist)</translation>
    </message>
    <message>
        <source>names no folder a path can hold</source>
        <translation>nennt keinen Ordner, den ein Pfad fassen kann</translation>
    </message>
    <message>
        <source>gives no name of at most %1 characters without control characters</source>
        <translation>nennt keinen Namen aus höchstens %1 Zeichen ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>gives no budget above 0</source>
        <translation>nennt kein Budget über 0</translation>
    </message>
    <message>
        <source>gives no number of owners, 0 or more</source>
        <translation>nennt keine Anzahl von Besitzern, 0 oder mehr</translation>
    </message>
    <message>
        <source>gives no number of transfers, 0 or more, nor &quot;unlimited&quot;</source>
        <translation>nennt weder eine Anzahl von Transfers, 0 oder mehr, noch &quot;unlimited&quot;</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is not understood</source>
        <translation>wird nicht verstanden</translation>
    </message>
    <message>
        <source>Line %1 of the league&apos;s settings &quot;%2&quot; %3: &quot;%4&quot;.</source>
        <translation>Zeile %1 der Liga-Einstellungen &quot;%2&quot; %3: &quot;%4&quot;.</translation>
    </message>
</context>
<context>
    <name>LearntNames</name>
    <message>
        <source>Line %1 of the league&apos;s learnt names &quot;%2&quot; %3: &quot;%4&quot;.</source>
        <translation>Zeile %1 der gelernten Namen der Liga &quot;%2&quot; %3: &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is not a kind, a tab and a name as typed (then a tab and the league&apos;s name)</source>
        <translation>ist keine Art, ein Tabulator und ein Name wie eingegeben (dann ein Tabulator und der Name der Liga)</translation>
    </message>
    <message>
        <source>The names of the lines that can be read are used; the file learns no more names until it is mended in a text editor.</source>
        <translation>Die Namen der lesbaren Zeilen werden verwendet; die Datei lernt keine weiteren Namen, bis sie in einem Texteditor berichtigt ist.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>NewSeason</name>
    <message>
        <source>&quot;%1&quot; lies in the league&apos;s own folder: a new season needs a folder of its own.</source>
        <translation>&quot;%1&quot; liegt im Ordner der Liga selbst: Eine neue Saison braucht einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a league already: a new season needs a folder of its own.</source>
        <translation>&quot;%1&quot; enthält bereits eine Liga: Eine neue Saison braucht einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an empty folder: a new season needs a folder of its own.</source>
        <translation>&quot;%1&quot; ist kein leerer Ordner: Eine neue Saison braucht einen eigenen Ordner.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>There was not enough memory to finish the last action.</source>
        <translation>Es war nicht genug Speicher vorhanden, um die letzte Aktion abzuschließen.</translation>
    </message>
    <message>
        <source>Keeps the teams, entries and race scores of a fantasy motor-racing league.

Each league lives in a folder of its own. Without FOLDER: the folder that holds
the program; for an installed program, or one whose folder cannot be written and
holds no league, $XDG_DATA_HOME/velmora (by default ~/.local/share/velmora).
A folder that cannot be written is opened for viewing only.</source>
        <translation>Verwaltet die Rennställe, Teams und Rennpunkte einer Fantasy-Motorsportliga.

Jede Liga liegt in einem eigenen Ordner. Ohne ORDNER: der Ordner, der das
Programm enthält; für ein installiertes Programm oder eines, dessen Ordner nicht
beschreibbar ist und keine Liga enthält, $XDG_DATA_HOME/velmora (standardmäßig
~/.local/share/velmora). Ein nicht beschreibbarer Ordner wird nur zum Ansehen geöffnet.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>The league&apos;s data folder; made when absent and the folder that would hold it exists.</source>
        <translation>Der Datenordner der Liga; wird angelegt, wenn er fehlt und der Ordner existiert, der ihn enthalten soll.</translation>
    </message>
    <message>
        <source>[FOLDER]</source>
        <translation>[ORDNER]</translation>
    </message>
    <message>
        <source>Try &apos;velmora --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;velmora --help&apos;.</translation>
    </message>
    <message>
        <source>Only one data folder can be named.</source>
        <translation>Es kann nur ein Datenordner angegeben werden.</translation>
    </message>
    <message>
        <source>there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). Start it in a desktop session, or for a look without one with: xvfb-run -a velmora</source>
        <translation>es gibt keine Anzeige, auf der das Fenster geöffnet werden kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Starten Sie es in einer Desktop-Sitzung oder, für einen Blick ohne eine solche, mit: xvfb-run -a velmora</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>The site cannot go into the data folder &quot;%1&quot; or a folder in it: nothing is written there. Choose another folder for the site.</source>
        <translation>Die Website kann nicht in den Datenordner &quot;%1&quot; oder einen Ordner darin: Dort wird nichts geschrieben. Wählen Sie einen anderen Ordner für die Website.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the data folder &quot;%2&quot;: the site needs a folder of its own beside it. Choose another folder for the site.</source>
        <translation>&quot;%1&quot; enthält den Datenordner &quot;%2&quot;: Die Website braucht einen eigenen Ordner daneben. Wählen Sie einen anderen Ordner für die Website.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is your home folder: the site needs a folder of its own. Choose another folder for the site.</source>
        <translation>&quot;%1&quot; ist Ihr persönlicher Ordner: Die Website braucht einen eigenen Ordner. Wählen Sie einen anderen Ordner für die Website.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder of the system&apos;s: the site needs a folder of its own. Choose another folder for the site.</source>
        <translation>&quot;%1&quot; ist ein Ordner des Systems: Die Website braucht einen eigenen Ordner. Wählen Sie einen anderen Ordner für die Website.</translation>
    </message>
    <message>
        <source> It was left as it is, and nothing was published.</source>
        <translation> Sie wurde unverändert gelassen, und es wurde nichts veröffentlicht.</translation>
    </message>
    <message>
        <source> It is the site&apos;s memory of what it published.</source>
        <translation> Sie ist das Gedächtnis der Website über das Veröffentlichte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, the site&apos;s memory of what it published, is not as this program writes it (line %2).%3 Put back a copy of it, or move it away to start the memory afresh (and lose the corrections it recorded).</source>
        <translation>&quot;%1&quot;, das Gedächtnis der Website über das Veröffentlichte, ist nicht so, wie dieses Programm es schreibt (Zeile %2).%3 Legen Sie eine Kopie davon zurück oder verschieben Sie es, um das Gedächtnis neu zu beginnen (und die darin festgehaltenen Korrekturen zu verlieren).</translation>
    </message>
    <message>
        <source>Another publication into &quot;%1&quot; is under way: nothing was written. Publish again when it has ended.</source>
        <translation>Eine andere Veröffentlichung nach &quot;%1&quot; läuft gerade: Es wurde nichts geschrieben. Veröffentlichen Sie erneut, wenn sie beendet ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no league: none of teams.tro, test.tro, entry.tro and calendar.tro is there.</source>
        <translation>Der Ordner &quot;%1&quot; enthält keine Liga: Keine der Dateien teams.tro, test.tro, entry.tro und calendar.tro ist dort.</translation>
    </message>
</context>
<context>
    <name>RaceResults</name>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Line %1, cell %2 of the paste: “%3” is not a whole number from -32768 to 32767.</source>
        <translation>Zeile %1, Zelle %2 des Eingefügten: “%3” ist keine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>Line %1 of the paste lies past the table&apos;s last row.</source>
        <translation>Zeile %1 des Eingefügten liegt hinter der letzten Zeile der Tabelle.</translation>
    </message>
    <message>
        <source>Line %1, cell %2 of the paste lies past the points of the row of “%3”.</source>
        <translation>Zeile %1, Zelle %2 des Eingefügten liegt hinter den Punkten der Zeile von “%3”.</translation>
    </message>
</context>
<context>
    <name>RecordCursor</name>
    <message>
        <source>Record %1 of &quot;%2&quot; could not be read, so nothing is stored over it.</source>
        <translation>Datensatz %1 von &quot;%2&quot; konnte nicht gelesen werden, daher wird nichts darüber gespeichert.</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>Record %1 lies outside &quot;%2&quot;.</source>
        <translation>Datensatz %1 liegt außerhalb von &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ScoreCommand</name>
    <message>
        <source>Could not read the finishing order &quot;%1&quot;: %2.</source>
        <translation>Die Zieleinlaufliste &quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Line %1 of the finishing order &quot;%2&quot; is not UTF-8 text.</source>
        <translation>Zeile %1 der Zieleinlaufliste &quot;%2&quot; ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The league has no points rules, so it scores no race from its finishing order. Give them in velmora&apos;s File &gt; League Settings..., or in the points_ lines of &quot;%1&quot;.</source>
        <translation>Die Liga hat keine Punkteregeln und wertet daher kein Rennen nach seinem Zieleinlauf. Legen Sie sie in velmora unter Datei &gt; Liga-Einstellungen... fest oder in den points_-Zeilen von &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>--match &quot;%1&quot;: “%2” is more than one driver of the race; name one with its team: %3.</source>
        <translation>--match &quot;%1&quot;: ”%2“ ist mehr als ein Fahrer des Rennens; nennen Sie einen mit seinem Team: %3.</translation>
    </message>
    <message>
        <source>--match &quot;%1&quot;: “%2” is no driver of the race.</source>
        <translation>--match &quot;%1&quot;: ”%2“ ist kein Fahrer des Rennens.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is more than one driver: %3.</source>
        <translation>Zeile %1: ”%2“ ist mehr als ein Fahrer: %3.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is no driver of the race (the closest: %3).</source>
        <translation>Zeile %1: ”%2“ ist kein Fahrer des Rennens (am ähnlichsten: %3).</translation>
    </message>
    <message>
        <source>Say which of the race&apos;s drivers each name is with --match &quot;NAME=DRIVER&quot;, or --match &quot;NAME=&quot; for a car the league does not follow.</source>
        <translation>Geben Sie mit --match &quot;NAME=FAHRER&quot; an, welcher Fahrer des Rennens jeder Name ist, oder mit --match &quot;NAME=&quot; für ein Auto, dem die Liga nicht folgt.</translation>
    </message>
    <message>
        <source>--match &quot;%1&quot; answers no line of the order: its name is found without it, or not there.</source>
        <translation>--match &quot;%1&quot; beantwortet keine Zeile des Zieleinlaufs: Der Name wird ohne es gefunden oder kommt nicht vor.</translation>
    </message>
    <message>
        <source>Not in the order, so scoring 0: %1.</source>
        <translation>Nicht in der Reihenfolge, daher 0 Punkte: %1.</translation>
    </message>
    <message>
        <source>The race: a race of the calendar (letter case aside), or a new one.</source>
        <translation>Das Rennen: ein Rennen des Kalenders (Groß- und Kleinschreibung beiseite) oder ein neues.</translation>
    </message>
    <message>
        <source>The race&apos;s finishing order, UTF-8 text as the order box takes it: a car a line, its place (or DNF, DNS, DSQ, NC, Ret), its driver, anything else; an FL line names the fastest lap. - reads standard input.</source>
        <translation>Der Zieleinlauf des Rennens, UTF-8-Text, wie ihn das Zieleinlauf-Fenster annimmt: ein Auto je Zeile, seine Platzierung (oder DNF, DNS, DSQ, NC, Ret), sein Fahrer, beliebig mehr; eine FL-Zeile nennt die schnellste Runde. - liest die Standardeingabe.</translation>
    </message>
    <message>
        <source>The league&apos;s data folder (default: the one velmora starts on: the program&apos;s folder, or for an installed program $XDG_DATA_HOME/velmora).</source>
        <translation>Der Datenordner der Liga (Standard: der, mit dem velmora startet: der Ordner des Programms oder, bei einem installierten Programm, $XDG_DATA_HOME/velmora).</translation>
    </message>
    <message>
        <source>A name of the order the league does not know, and the race&apos;s driver it is (none: a car the league does not follow); kept as a learnt name. Give one for each name.</source>
        <translation>Ein Name des Zieleinlaufs, den die Liga nicht kennt, und welcher Fahrer des Rennens er ist (keiner: ein Auto, dem die Liga nicht folgt); wird als gelernter Name behalten. Einmal je Name angeben.</translation>
    </message>
    <message>
        <source>Print the race&apos;s points as the Race Results table copies them, and store nothing.</source>
        <translation>Die Punkte des Rennens so ausgeben, wie die Tabelle Rennergebnisse sie kopiert, und nichts speichern.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>say which race with --race NAME and its finishing order with --order FILE</source>
        <translation>nennen Sie das Rennen mit --race NAME und seinen Zieleinlauf mit --order DATEI</translation>
    </message>
    <message>
        <source>--race takes a name of 1 to %1 characters</source>
        <translation>--race verlangt einen Namen von 1 bis %1 Zeichen</translation>
    </message>
    <message>
        <source>--race: “%1” cannot be kept: the league&apos;s files hold only the letters of Western European languages (Windows-1252)</source>
        <translation>--race: ”%1“ kann nicht gespeichert werden: Die Dateien der Liga fassen nur die Buchstaben westeuropäischer Sprachen (Windows-1252)</translation>
    </message>
    <message>
        <source>--match takes &quot;NAME=DRIVER&quot;, not &quot;%1&quot;</source>
        <translation>--match verlangt &quot;NAME=FAHRER&quot;, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--match answers “%1” twice</source>
        <translation>--match beantwortet ”%1“ zweimal</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no league: none of teams.tro, test.tro, entry.tro and calendar.tro is there.</source>
        <translation>Der Ordner &quot;%1&quot; enthält keine Liga: Keine der Dateien teams.tro, test.tro, entry.tro und calendar.tro ist dort.</translation>
    </message>
    <message>
        <source>There was not enough memory to store the race.</source>
        <translation>Es war nicht genug Speicher frei, um das Rennen zu speichern.</translation>
    </message>
    <message>
        <source>Stores a race of a Velmora league from its finishing order, scored by the
league&apos;s points rules, and counts the championship again, as the Race Results
window&apos;s Store does: the race&apos;s two files, the order, the names learnt, the
race added to the calendar when it is new and the season&apos;s totals, all written
or none.</source>
        <translation>Speichert ein Rennen einer Velmora-Liga aus seinem Zieleinlauf, gewertet nach
den Punkteregeln der Liga, und berechnet die Meisterschaft neu, wie es
Speichern im Fenster Rennergebnisse tut: die zwei Dateien des Rennens, den
Zieleinlauf, die gelernten Namen, das Rennen im Kalender, wenn es neu ist, und
die Gesamtpunkte der Saison, alles oder nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>SheetLeague</name>
    <message>
        <source>the team</source>
        <translation>das Team</translation>
    </message>
    <message>
        <source>the engine</source>
        <translation>den Motor</translation>
    </message>
    <message>
        <source>driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>the test driver</source>
        <translation>den Testfahrer</translation>
    </message>
    <message>
        <source>Not stored: it names no owner.</source>
        <translation>Nicht gespeichert: Sie nennt keinen Besitzer.</translation>
    </message>
    <message>
        <source>Not stored: the league&apos;s files cannot hold “%1” of the owner&apos;s name (only the letters of Western European languages, Windows-1252).</source>
        <translation>Nicht gespeichert: Die Dateien der Liga können „%1“ aus dem Namen des Besitzers nicht aufnehmen (nur die Buchstaben westeuropäischer Sprachen, Windows-1252).</translation>
    </message>
    <message>
        <source>Not stored: the owner&apos;s name is longer than the %1 characters the league&apos;s files hold.</source>
        <translation>Nicht gespeichert: Der Name des Besitzers ist länger als die %1 Zeichen, die die Dateien der Liga aufnehmen.</translation>
    </message>
    <message>
        <source>Not stored: the sheet names this owner on lines %1.</source>
        <translation>Nicht gespeichert: Die Tabelle nennt diesen Besitzer in den Zeilen %1.</translation>
    </message>
    <message>
        <source>Not stored: %1 entries of the league have this owner.</source>
        <translation>Nicht gespeichert: %1 Einträge der Liga haben diesen Besitzer.</translation>
    </message>
    <message>
        <source>line %1, %2 (column %3)</source>
        <translation>Zeile %1, %2 (Spalte %3)</translation>
    </message>
    <message>
        <source>Left out, as answered for “%1”.</source>
        <translation>Ausgelassen, wie für „%1“ beantwortet.</translation>
    </message>
    <message>
        <source>Waits for the answers above.</source>
        <translation>Wartet auf die Antworten oben.</translation>
    </message>
    <message>
        <source>Left as it is.</source>
        <translation>Bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>Swaps its two drivers.</source>
        <translation>Tauscht seine beiden Fahrer.</translation>
    </message>
    <message>
        <source>Changes %1.</source>
        <translation>Ändert %1.</translation>
    </message>
    <message>
        <source>New entry.</source>
        <translation>Neuer Eintrag.</translation>
    </message>
    <message>
        <source>Its engine maker is its team record&apos;s own.</source>
        <translation>Sein Motorenhersteller ist der seines eigenen Team-Datensatzes.</translation>
    </message>
    <message>
        <source>A transfer from race %1 on.</source>
        <translation>Ein Transfer ab Rennen %1.</translation>
    </message>
    <message>
        <source>A correction.</source>
        <translation>Eine Korrektur.</translation>
    </message>
</context>
<context>
    <name>TeamEditor</name>
    <message>
        <source>Tro Team Database</source>
        <translation>Tro-Rennstalldatenbank</translation>
    </message>
    <message>
        <source>Team price</source>
        <translation>Preis des Rennstalls</translation>
    </message>
    <message>
        <source>Engine price</source>
        <translation>Preis des Motors</translation>
    </message>
    <message>
        <source>Driver 1 price</source>
        <translation>Preis von Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2 price</source>
        <translation>Preis von Fahrer 2</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Rennstall:</translation>
    </message>
    <message>
        <source>Engine Maker:</source>
        <translation>Motor:</translation>
    </message>
    <message>
        <source>Driver 1:</source>
        <translation>Fahrer 1:</translation>
    </message>
    <message>
        <source>Driver 2:</source>
        <translation>Fahrer 2:</translation>
    </message>
    <message>
        <source>Price (£millions)</source>
        <translation>Preis (Mio. £)</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Nummer:</translation>
    </message>
</context>
<context>
    <name>TestDriverEditor</name>
    <message>
        <source>Test Driver Database</source>
        <translation>Testfahrerdatenbank</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Price (£millions)</source>
        <translation>Preis (Mio. £)</translation>
    </message>
    <message>
        <source>Driver:</source>
        <translation>Fahrer:</translation>
    </message>
</context>
<context>
    <name>velmora::AboutBox</name>
    <message>
        <source>About Velmora</source>
        <translation>Über Velmora</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Velmora icon</source>
        <translation>Velmora-Symbol</translation>
    </message>
    <message>
        <source>Competition management tool for Windows 95/NT4.</source>
        <translation>Werkzeug zur Wettbewerbsverwaltung für Windows 95/NT4.</translation>
    </message>
    <message>
        <source>Warning: this program belongs to its author. Copying it or passing it on, in whole or in part, without the author&apos;s written permission is forbidden.</source>
        <translation>Warnung: Dieses Programm gehört seinem Autor. Es ganz oder teilweise ohne die schriftliche Erlaubnis des Autors zu kopieren oder weiterzugeben ist verboten.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>velmora::BestWorstWindow</name>
    <message>
        <source>Looking through every team the budget buys...</source>
        <translation>Jedes Team wird durchsucht, das das Budget erlaubt...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Calculate Best/Worst Team</source>
        <translation>Bestes/schlechtestes Team berechnen</translation>
    </message>
    <message>
        <source>Best Possible Team</source>
        <translation>Bestmögliches Team</translation>
    </message>
    <message>
        <source>Worst Possible Team</source>
        <translation>Schlechtestmögliches Team</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Rennstall:</translation>
    </message>
    <message>
        <source>Engine:</source>
        <translation>Motor:</translation>
    </message>
    <message>
        <source>Driver 1:</source>
        <translation>Fahrer 1:</translation>
    </message>
    <message>
        <source>Driver 2:</source>
        <translation>Fahrer 2:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Test Driver:</source>
        <translation>Testfahrer:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The team database holds %1 team records: looking through every team they make may take minutes and much memory. Search anyway?</source>
        <translation>Die Rennstalldatenbank enthält %1 Einträge: Jedes Team daraus zu durchsuchen kann Minuten und viel Speicher kosten. Trotzdem suchen?</translation>
    </message>
    <message>
        <source>&amp;Search Anyway</source>
        <translation>&amp;Trotzdem suchen</translation>
    </message>
</context>
<context>
    <name>velmora::BudgetDialog</name>
    <message>
        <source>Calculate Best/Worst Team</source>
        <translation>Bestes/schlechtestes Team berechnen</translation>
    </message>
    <message>
        <source>Budget Limit:</source>
        <translation>Budget:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>velmora::DecisionsWindow</name>
    <message>
        <source>Race %1, %2</source>
        <translation>Rennen %1, %2</translation>
    </message>
    <message>
        <source>The next race (race %1)</source>
        <translation>Das nächste Rennen (Rennen %1)</translation>
    </message>
    <message>
        <source>Race %1</source>
        <translation>Rennen %1</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Counts from or in</source>
        <translation>Zählt ab oder in</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>Test driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>%1 transfer: %2 → %3</source>
        <translation>Wechsel %1: %2 → %3</translation>
    </message>
    <message>
        <source>Penalty of 1 point</source>
        <translation>Strafe von 1 Punkt</translation>
    </message>
    <message>
        <source>Bonus of 1 point</source>
        <translation>Bonus von 1 Punkt</translation>
    </message>
    <message>
        <source>Penalty of %1 points</source>
        <translation>Strafe von %1 Punkten</translation>
    </message>
    <message>
        <source>Bonus of %1 points</source>
        <translation>Bonus von %1 Punkten</translation>
    </message>
    <message>
        <source>%1 (taken back)</source>
        <translation>%1 (zurückgenommen)</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>&amp;Add Penalty or Bonus...</source>
        <translation>Strafe oder Bonus &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Take Back...</source>
        <translation>&amp;Zurücknehmen...</translation>
    </message>
    <message>
        <source>&amp;Decision</source>
        <translation>&amp;Entscheidung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The decisions record changed since the window showed it; it shows it as it is now. Nothing was stored.</source>
        <translation>Das Entscheidungsprotokoll hat sich geändert, seit das Fenster es angezeigt hat; es zeigt es jetzt so, wie es ist. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The penalty for %1 is stored and counted.</source>
        <translation>Die Strafe für %1 ist gespeichert und gewertet.</translation>
    </message>
    <message>
        <source>The bonus for %1 is stored and counted.</source>
        <translation>Der Bonus für %1 ist gespeichert und gewertet.</translation>
    </message>
    <message>
        <source>Take back %1&apos;s decision, “%2”? It stays in the record, marked as taken back, and counts for nothing from now on%3; the championship is calculated again.</source>
        <translation>Die Entscheidung für %1, “%2”, zurücknehmen? Sie bleibt im Protokoll, als zurückgenommen markiert, und zählt ab jetzt nicht mehr%3; die Meisterschaft wird neu berechnet.</translation>
    </message>
    <message>
        <source>: the entry picks what it picked before it again</source>
        <translation>: Der Eintrag wählt wieder, was er davor gewählt hatte</translation>
    </message>
    <message>
        <source>&amp;Take It Back</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Taken back and counted again.</source>
        <translation>Zurückgenommen und neu gewertet.</translation>
    </message>
</context>
<context>
    <name>velmora::EntriesViewer</name>
    <message>
        <source>^             |^Owner           |^Team              |^Engine                |^Driver 1                |^Driver 2                 |^Test Driver         </source>
        <translation>^             |^Besitzer        |^Rennstall         |^Motor                 |^Fahrer 1                |^Fahrer 2                 |^Testfahrer          </translation>
    </message>
    <message>
        <source>Team Entries</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>velmora::EntryEditor</name>
    <message>
        <source>Entry Database</source>
        <translation>Teamdatenbank</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>Driver 2:</source>
        <translation>Fahrer 2:</translation>
    </message>
    <message>
        <source>Driver 1:</source>
        <translation>Fahrer 1:</translation>
    </message>
    <message>
        <source>Engine:</source>
        <translation>Motor:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Besitzer:</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Test Driver:</source>
        <translation>Testfahrer:</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Rennstall:</translation>
    </message>
    <message>
        <source>Team price</source>
        <translation>Preis des Rennstalls</translation>
    </message>
    <message>
        <source>Engine price</source>
        <translation>Preis des Motors</translation>
    </message>
    <message>
        <source>Driver 1 price</source>
        <translation>Preis von Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2 price</source>
        <translation>Preis von Fahrer 2</translation>
    </message>
    <message>
        <source>Test driver price</source>
        <translation>Preis des Testfahrers</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Rennstall</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>Test driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>Transfers %1 has made this season: %2 (the league allows any number).</source>
        <translation>Transfers von %1 in dieser Saison: %2 (die Liga erlaubt beliebig viele).</translation>
    </message>
    <message>
        <source>Transfers %1 has made this season: %2 of the %3 the league allows.</source>
        <translation>Transfers von %1 in dieser Saison: %2 der %3, die die Liga erlaubt.</translation>
    </message>
</context>
<context>
    <name>velmora::EntryImportWindow</name>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>Test Driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>engine maker</source>
        <translation>Motorenhersteller</translation>
    </message>
    <message>
        <source>driver</source>
        <translation>Fahrer</translation>
    </message>
    <message>
        <source>test driver</source>
        <translation>Testfahrer</translation>
    </message>
    <message>
        <source>Import Entries</source>
        <translation>Einträge importieren</translation>
    </message>
    <message>
        <source>A row an owner, pasted from a spreadsheet or read from a file: the owner, team, engine, driver 1, driver 2 and test driver, or any columns under a header that names those six. &amp;Rows:</source>
        <translation>Eine Zeile je Besitzer, aus einer Tabellenkalkulation eingefügt oder aus einer Datei gelesen: Besitzer, Team, Motor, Fahrer 1, Fahrer 2 und Testfahrer, oder beliebige Spalten unter einer Kopfzeile, die diese sechs nennt. &amp;Zeilen:</translation>
    </message>
    <message>
        <source>Open &amp;File...</source>
        <translation>&amp;Datei öffnen...</translation>
    </message>
    <message>
        <source>Changed picks &amp;are:</source>
        <translation>Geänderte Wahlen &amp;sind:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(auswählen)</translation>
    </message>
    <message>
        <source>transfers, from the next race (race %1) on</source>
        <translation>Transfers, ab dem nächsten Rennen (Rennen %1)</translation>
    </message>
    <message>
        <source>corrections of mistakes</source>
        <translation>Korrekturen von Fehlern</translation>
    </message>
    <message>
        <source>Answer for each name above which of the league&apos;s it is, or leave its rows out.</source>
        <translation>Beantworten Sie für jeden Namen oben, welcher der Liga es ist, oder lassen Sie seine Zeilen aus.</translation>
    </message>
    <message>
        <source>Say whether the changed picks are transfers or corrections.</source>
        <translation>Geben Sie an, ob die geänderten Wahlen Transfers oder Korrekturen sind.</translation>
    </message>
    <message>
        <source>Store takes in %1 new entries and changes %2; %3 stay as they are and %4 rows are not stored. The championship is then calculated again and the league put in points order.</source>
        <translation>Speichern übernimmt %1 neue Einträge und ändert %2; %3 bleiben, wie sie sind, und %4 Zeilen werden nicht gespeichert. Danach wird die Meisterschaft neu berechnet und die Liga nach Punkten geordnet.</translation>
    </message>
    <message>
        <source>The league is read-only: nothing is stored.</source>
        <translation>Die Liga ist schreibgeschützt: Nichts wird gespeichert.</translation>
    </message>
    <message>
        <source>%1: no %2 is named:</source>
        <translation>%1: kein %2 genannt:</translation>
    </message>
    <message>
        <source>“%1” (%2) is more than one %3:</source>
        <translation>„%1“ (%2) ist mehr als ein %3:</translation>
    </message>
    <message>
        <source>“%1” (%2) is no %3 of the league:</source>
        <translation>„%1“ (%2) ist kein %3 der Liga:</translation>
    </message>
    <message>
        <source>leave these rows out</source>
        <translation>diese Zeilen auslassen</translation>
    </message>
    <message>
        <source>leave the row out</source>
        <translation>die Zeile auslassen</translation>
    </message>
    <message>
        <source>Open a Sheet of Entries</source>
        <translation>Eine Tabelle von Einträgen öffnen</translation>
    </message>
    <message>
        <source>Sheets|*.csv *.tsv *.txt</source>
        <translation>Tabellen|*.csv *.tsv *.txt</translation>
    </message>
    <message>
        <source>“%1” is not taken in: at %2 MB it is far larger than a sheet of entries.</source>
        <translation>„%1“ wird nicht übernommen: Mit %2 MB ist sie weit größer als eine Tabelle von Einträgen.</translation>
    </message>
    <message>
        <source>“%1” is not taken in: %2.</source>
        <translation>„%1“ wird nicht übernommen: %2.</translation>
    </message>
    <message>
        <source>Store the entries of the sheet before the window closes?</source>
        <translation>Die Einträge der Tabelle speichern, bevor das Fenster schließt?</translation>
    </message>
</context>
<context>
    <name>velmora::FixedWindow</name>
    <message>
        <source>“%1” cannot be kept: the league&apos;s files hold only the letters of Western European languages (Windows-1252).</source>
        <translation>“%1” kann nicht übernommen werden: Die Dateien der Liga fassen nur die Buchstaben westeuropäischer Sprachen (Windows-1252).</translation>
    </message>
    <message>
        <source>The text is one line: it holds no tab or line break.</source>
        <translation>Der Text ist eine Zeile: Er enthält keinen Tabulator und keinen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>“%1” cannot be kept: the files hold a whole number from -32768 to 32767 here.</source>
        <translation>“%1” kann nicht übernommen werden: Die Dateien fassen hier eine ganze Zahl von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>“%1” cannot be kept: the files hold a number of at most 3.4E+38 either way here.</source>
        <translation>“%1” kann nicht übernommen werden: Die Dateien fassen hier eine Zahl von höchstens 3.4E+38 in beide Richtungen.</translation>
    </message>
    <message>
        <source>Store the changes made in “%1” before the window closes?</source>
        <translation>Die Änderungen in “%1” speichern, bevor das Fenster geschlossen wird?</translation>
    </message>
</context>
<context>
    <name>velmora::League</name>
    <message>
        <source>The data folder &quot;%1&quot; does not exist.</source>
        <translation>Der Datenordner &quot;%1&quot; existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; ist kein Ordner.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; is in use: velmora-score is storing a race in it. Try again once it has finished.</source>
        <translation>Der Datenordner &quot;%1&quot; wird gerade benutzt: velmora-score speichert darin ein Rennen. Versuchen Sie es erneut, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>Velmora is already running on the data folder &quot;%1&quot;. Use the window that is open.</source>
        <translation>Velmora läuft bereits mit dem Datenordner &quot;%1&quot;. Verwenden Sie das geöffnete Fenster.</translation>
    </message>
    <message>
        <source> The league is used without its settings, and they are not written over.</source>
        <translation> Die Liga wird ohne ihre Einstellungen verwendet, und diese werden nicht überschrieben.</translation>
    </message>
    <message>
        <source>Its setting is left unset and the others are used; the file is not written over until the line is mended in a text editor.</source>
        <translation>Die betroffene Einstellung bleibt ungesetzt, die anderen werden verwendet; die Datei wird nicht überschrieben, bis die Zeile in einem Texteditor berichtigt ist.</translation>
    </message>
    <message>
        <source>Their settings are left unset and the others are used; the file is not written over until the lines are mended in a text editor.</source>
        <translation>Die betroffenen Einstellungen bleiben ungesetzt, die anderen werden verwendet; die Datei wird nicht überschrieben, bis die Zeilen in einem Texteditor berichtigt sind.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link to &quot;%2&quot;, outside the league&apos;s folder: it is not read.</source>
        <translation>&quot;%1&quot; ist eine symbolische Verknüpfung auf &quot;%2&quot;, außerhalb des Ordners der Liga: Sie wird nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>velmora::LearntNamesBox</name>
    <message>
        <source>Names learnt from finishing orders</source>
        <translation>Aus Zieleinläufen gelernte Namen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>“%1”: a car the league does not follow</source>
        <translation>“%1”: ein Wagen, dem die Liga nicht folgt</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>“%1”: %2</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Besitzer</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <source>League table</source>
        <translation>Ligatabelle</translation>
    </message>
    <message>
        <source> (read-only: %1)</source>
        <translation> (schreibgeschützt: %1)</translation>
    </message>
    <message>
        <source>Team Entries — %1%2</source>
        <translation>Teams — %1%2</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Output Scores</source>
        <translation>Punktestand &amp;ausgeben</translation>
    </message>
    <message>
        <source>&amp;Calculate Best/Worst</source>
        <translation>&amp;Bestes/schlechtestes Team berechnen</translation>
    </message>
    <message>
        <source>Open &amp;League...</source>
        <translation>&amp;Liga öffnen...</translation>
    </message>
    <message>
        <source>&amp;New Season...</source>
        <translation>&amp;Neue Saison...</translation>
    </message>
    <message>
        <source>&amp;Publish Season...</source>
        <translation>Saison &amp;veröffentlichen...</translation>
    </message>
    <message>
        <source>League Se&amp;ttings...</source>
        <translation>Liga-Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>D&amp;aten</translation>
    </message>
    <message>
        <source>Enter Tro &amp;Teams...</source>
        <translation>Tro-&amp;Rennställe erfassen...</translation>
    </message>
    <message>
        <source>Enter Test &amp;Drivers...</source>
        <translation>&amp;Testfahrer erfassen...</translation>
    </message>
    <message>
        <source>&amp;Competition</source>
        <translation>&amp;Liga</translation>
    </message>
    <message>
        <source>Enter &amp;Teams...</source>
        <translation>&amp;Teams erfassen...</translation>
    </message>
    <message>
        <source>&amp;Score a Race...</source>
        <translation>Rennen &amp;werten...</translation>
    </message>
    <message>
        <source>Race &amp;Results...</source>
        <translation>Renn&amp;ergebnisse...</translation>
    </message>
    <message>
        <source>&amp;Decisions...</source>
        <translation>Ent&amp;scheidungen...</translation>
    </message>
    <message>
        <source>&amp;View Full Table...</source>
        <translation>&amp;Vollständige Tabelle anzeigen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Velmora</translation>
    </message>
    <message>
        <source>Text Files|*.txt</source>
        <translation>Textdateien|*.txt</translation>
    </message>
    <message>
        <source>Open League</source>
        <translation>Liga öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no league. Start a new league there?</source>
        <translation>&quot;%1&quot; enthält keine Liga. Dort eine neue Liga beginnen?</translation>
    </message>
    <message>
        <source>&amp;Start League</source>
        <translation>Liga &amp;anlegen</translation>
    </message>
    <message>
        <source>The league&apos;s settings publish its season into this folder:

%1

Velmora writes its pages there, replacing those it wrote before. Publish there?</source>
        <translation>Die Einstellungen der Liga veröffentlichen ihre Saison in diesen Ordner:

%1

Velmora schreibt seine Seiten dorthin und ersetzt die, die es zuvor geschrieben hat. Dort veröffentlichen?</translation>
    </message>
    <message>
        <source>&amp;Publish There</source>
        <translation>&amp;Dort veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Choose Another...</source>
        <translation>&amp;Anderen wählen...</translation>
    </message>
    <message>
        <source>Publish Season to</source>
        <translation>Saison veröffentlichen nach</translation>
    </message>
    <message>
        <source>The season is published in &quot;%1&quot;.</source>
        <translation>Die Saison ist in &quot;%1&quot; veröffentlicht.</translation>
    </message>
    <message>
        <source>&amp;Open Page</source>
        <translation>Seite ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Import Entries...</source>
        <translation>Einträge &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport Entries...</source>
        <translation>Einträge e&amp;xportieren...</translation>
    </message>
    <message>
        <source>CSV Files|*.csv</source>
        <translation>CSV-Dateien|*.csv</translation>
    </message>
</context>
<context>
    <name>velmora::NewSeasonWindow</name>
    <message>
        <source>New Season after %1</source>
        <translation>Neue Saison nach %1</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Budget (millions):</source>
        <translation>&amp;Budget (Millionen):</translation>
    </message>
    <message>
        <source>&amp;Keep every owner&apos;s entry, with 0 points</source>
        <translation>&amp;Teams aller Besitzer behalten, mit 0 Punkten</translation>
    </message>
    <message>
        <source>Teams and test drivers keep their names and prices, every score starts at 0; no races are taken along. This season&apos;s folder is not changed.</source>
        <translation>Rennställe und Testfahrer behalten ihre Namen und Preise, alle Punkte beginnen bei 0; keine Rennen werden übernommen. Der Ordner dieser Saison wird nicht verändert.</translation>
    </message>
    <message>
        <source>&amp;Start Season</source>
        <translation>Saison &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The new season&apos;s folder (new or empty)</source>
        <translation>Der Ordner der neuen Saison (neu oder leer)</translation>
    </message>
    <message>
        <source>Say which folder the new season goes to.</source>
        <translation>Geben Sie an, in welchen Ordner die neue Saison kommt.</translation>
    </message>
</context>
<context>
    <name>velmora::OrderBox</name>
    <message>
        <source>Finishing Order — %1</source>
        <translation>Zieleinlauf — %1</translation>
    </message>
    <message>
        <source>The race&apos;s classification as a results page or a spreadsheet copies it, a car a line: its place (or DNF, DNS, DSQ, NC, Ret), its driver, anything else. An FL line names the fastest lap. &amp;Order:</source>
        <translation>Die Wertung des Rennens, wie eine Ergebnisseite oder eine Tabellenkalkulation sie kopiert, ein Wagen pro Zeile: sein Platz (oder DNF, DNS, DSQ, NC, Ret), sein Fahrer, beliebig Weiteres. Eine FL-Zeile nennt die schnellste Runde. &amp;Reihenfolge:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fastest &amp;lap:</source>
        <translation>&amp;Schnellste Runde:</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Answer for the names above which of the race&apos;s drivers each is, or that it is a car the league does not follow.</source>
        <translation>Geben Sie für die Namen oben an, welcher Fahrer des Rennens jeweils gemeint ist oder dass es ein Wagen ist, dem die Liga nicht folgt.</translation>
    </message>
    <message>
        <source>Not in the order, so scoring 0: %1.</source>
        <translation>Nicht in der Reihenfolge, daher 0 Punkte: %1.</translation>
    </message>
    <message>
        <source>Ready: Apply fills the team rows of the table by the league&apos;s rules.</source>
        <translation>Bereit: Übernehmen füllt die Teamzeilen der Tabelle nach den Regeln der Liga.</translation>
    </message>
    <message>
        <source>Line %1: “%2” is more than one driver:</source>
        <translation>Zeile %1: “%2” passt auf mehrere Fahrer:</translation>
    </message>
    <message>
        <source>Line %1: “%2” is no driver of the race:</source>
        <translation>Zeile %1: “%2” ist kein Fahrer des Rennens:</translation>
    </message>
    <message>
        <source>(choose)</source>
        <translation>(auswählen)</translation>
    </message>
    <message>
        <source>a car the league does not follow</source>
        <translation>ein Wagen, dem die Liga nicht folgt</translation>
    </message>
    <message>
        <source>Apply the finishing order before the box closes? Otherwise what was typed and answered in it is lost.</source>
        <translation>Den Zieleinlauf übernehmen, bevor das Fenster schließt? Sonst geht verloren, was darin eingegeben und beantwortet wurde.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>velmora::PenaltyDialog</name>
    <message>
        <source>Penalty or Bonus</source>
        <translation>Strafe oder Bonus</translation>
    </message>
    <message>
        <source>Choose the owner</source>
        <translation>Besitzer auswählen</translation>
    </message>
    <message>
        <source>&amp;Owner:</source>
        <translation>&amp;Besitzer:</translation>
    </message>
    <message>
        <source>Penalty: points taken</source>
        <translation>Strafe: Punkte abgezogen</translation>
    </message>
    <message>
        <source>Bonus: points given</source>
        <translation>Bonus: Punkte gutgeschrieben</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Points:</source>
        <translation>&amp;Punkte:</translation>
    </message>
    <message>
        <source>Race %1, %2</source>
        <translation>Rennen %1, %2</translation>
    </message>
    <message>
        <source>The next race (race %1)</source>
        <translation>Das nächste Rennen (Rennen %1)</translation>
    </message>
    <message>
        <source>Counts in &amp;race:</source>
        <translation>Zählt im &amp;Rennen:</translation>
    </message>
    <message>
        <source>Rea&amp;son:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Choose the owner the points are for.</source>
        <translation>Wählen Sie den Besitzer, für den die Punkte gelten.</translation>
    </message>
    <message>
        <source>The points are a whole number from 1 to 32767: a penalty takes them, a bonus gives them.</source>
        <translation>Die Punkte sind eine ganze Zahl von 1 bis 32767: Eine Strafe zieht sie ab, ein Bonus schreibt sie gut.</translation>
    </message>
    <message>
        <source>Give the reason: owners see it beside the points.</source>
        <translation>Geben Sie den Grund an: Die Besitzer sehen ihn neben den Punkten.</translation>
    </message>
</context>
<context>
    <name>velmora::PointsRulesBox</name>
    <message>
        <source>Points rules: a race scored from its finishing order</source>
        <translation>Punkteregeln: ein Rennen, gewertet aus seinem Zieleinlauf</translation>
    </message>
    <message>
        <source>The points of each place from first on, separated by commas. Empty: the league scores no race from its finishing order.</source>
        <translation>Die Punkte jedes Platzes ab dem ersten, durch Kommas getrennt. Leer: Die Liga wertet kein Rennen aus seinem Zieleinlauf.</translation>
    </message>
    <message>
        <source>&amp;Places, from first:</source>
        <translation>&amp;Plätze, ab dem ersten:</translation>
    </message>
    <message>
        <source>Classified be&amp;yond them:</source>
        <translation>&amp;Gewertet dahinter:</translation>
    </message>
    <message>
        <source>Not c&amp;lassified (DNF, DNS, DSQ):</source>
        <translation>N&amp;icht gewertet (DNF, DNS, DSQ):</translation>
    </message>
    <message>
        <source>&amp;Fastest lap:</source>
        <translation>Schnellste R&amp;unde:</translation>
    </message>
    <message>
        <source>the sum of its two cars&apos; points</source>
        <translation>die Summe der Punkte seiner beiden Wagen</translation>
    </message>
    <message>
        <source>the better of its two cars</source>
        <translation>den besseren seiner beiden Wagen</translation>
    </message>
    <message>
        <source>C&amp;hassis scores:</source>
        <translation>&amp;Chassis erhält:</translation>
    </message>
    <message>
        <source>the points of every car of its maker</source>
        <translation>die Punkte jedes Wagens seines Herstellers</translation>
    </message>
    <message>
        <source>the points of its own record&apos;s two cars</source>
        <translation>die Punkte der beiden Wagen seines eigenen Eintrags</translation>
    </message>
    <message>
        <source>&amp;Engine maker scores:</source>
        <translation>Motor&amp;hersteller erhält:</translation>
    </message>
    <message>
        <source>“%1” is not the points of each place: write whole numbers from -32768 to 32767 separated by commas, the first place&apos;s first.</source>
        <translation>“%1” sind nicht die Punkte jedes Platzes: Schreiben Sie ganze Zahlen von -32768 bis 32767, durch Kommas getrennt, die des ersten Platzes zuerst.</translation>
    </message>
    <message>
        <source>“%1” is not a whole number of points: write one from -32768 to 32767, or leave the box empty for 0.</source>
        <translation>“%1” ist keine ganze Punktzahl: Schreiben Sie eine von -32768 bis 32767 oder lassen Sie das Feld für 0 leer.</translation>
    </message>
</context>
<context>
    <name>velmora::RaceResultsModel</name>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Test driver %1</source>
        <translation>Testfahrer %1</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Engine Maker</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Driver 1</source>
        <translation>Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2</source>
        <translation>Fahrer 2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>velmora::RaceResultsWindow</name>
    <message>
        <source>“%1” is not a whole number from -32768 to 32767: the cell keeps its %2 points.</source>
        <translation>“%1” ist keine ganze Zahl von -32768 bis 32767: Die Zelle behält ihre %2 Punkte.</translation>
    </message>
    <message>
        <source>Race Results</source>
        <translation>Rennergebnisse</translation>
    </message>
    <message>
        <source>&amp;Race:</source>
        <translation>&amp;Rennen:</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
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
        <source>&amp;Delete (Set to 0)</source>
        <translation>&amp;Löschen (auf 0 setzen)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>From &amp;Finishing Order...</source>
        <translation>Aus &amp;Zieleinlauf...</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Take Out of Calendar</source>
        <translation>Aus dem Kalender &amp;nehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Store the points typed for “%1” before the table shows “%2”?</source>
        <translation>Die für “%1” eingegebenen Punkte speichern, bevor die Tabelle “%2” zeigt?</translation>
    </message>
    <message>
        <source>Type the race&apos;s name, or pick a race from the list, first.</source>
        <translation>Geben Sie zuerst den Namen des Rennens ein oder wählen Sie ein Rennen aus der Liste.</translation>
    </message>
    <message>
        <source>“%1” is stored and counted.</source>
        <translation>“%1” ist gespeichert und gewertet.</translation>
    </message>
    <message>
        <source>Nothing changed: the files of “%1” hold these points already.</source>
        <translation>Nichts geändert: Die Dateien von “%1” enthalten diese Punkte bereits.</translation>
    </message>
    <message>
        <source>Take “%1” out of the calendar? Its points stop counting; its race files stay in the league&apos;s folder, so the race named again brings them back.</source>
        <translation>“%1” aus dem Kalender nehmen? Seine Punkte zählen nicht mehr; seine Renndateien bleiben im Ordner der Liga, sodass das Rennen, wenn es wieder genannt wird, sie zurückbringt.</translation>
    </message>
    <message>
        <source> Transfers, penalties and bonuses that count from it or in it (%1) will count from or in the race after it.</source>
        <translation> Wechsel, Strafen und Boni, die ab ihm oder in ihm zählen (%1), zählen dann ab dem oder im Rennen danach.</translation>
    </message>
    <message>
        <source>&amp;Take It Out</source>
        <translation>&amp;Herausnehmen</translation>
    </message>
    <message>
        <source>&amp;Keep It</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>“%1” is out of the calendar.</source>
        <translation>“%1” ist aus dem Kalender genommen.</translation>
    </message>
    <message>
        <source>Store the points typed for “%1” before the window closes?</source>
        <translation>Die für “%1” eingegebenen Punkte speichern, bevor das Fenster schließt?</translation>
    </message>
    <message>
        <source>The league has no points rules, so it scores no race from its finishing order. Give them in File &gt; League Settings..., or type or paste the race&apos;s points.</source>
        <translation>Die Liga hat keine Punkteregeln, daher wertet sie kein Rennen nach seinem Zieleinlauf. Legen Sie sie unter Datei &gt; Liga-Einstellungen... fest, oder geben Sie die Punkte des Rennens ein oder fügen Sie sie ein.</translation>
    </message>
    <message>
        <source>“%1” of %2</source>
        <translation>“%1” von %2</translation>
    </message>
    <message>
        <source>The finishing order changes no points: the table holds them already.</source>
        <translation>Der Zieleinlauf ändert keine Punkte: Die Tabelle enthält sie bereits.</translation>
    </message>
    <message>
        <source>The finishing order changed one cell, now selected.</source>
        <translation>Der Zieleinlauf hat eine Zelle geändert, jetzt ausgewählt.</translation>
    </message>
    <message>
        <source>The finishing order changed %1 cells, now selected.</source>
        <translation>Der Zieleinlauf hat %1 Zellen geändert, jetzt ausgewählt.</translation>
    </message>
    <message>
        <source>Typed by hand before: %1.</source>
        <translation>Zuvor von Hand eingegeben: %1.</translation>
    </message>
</context>
<context>
    <name>velmora::ScoringWindow</name>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Race Name:</source>
        <translation>Rennname:</translation>
    </message>
    <message>
        <source>Score &amp;Teams</source>
        <translation>&amp;Teams werten</translation>
    </message>
    <message>
        <source>Score Test &amp;Drivers</source>
        <translation>Test&amp;fahrer werten</translation>
    </message>
    <message>
        <source>&amp;Calculate Scores</source>
        <translation>Punkte &amp;berechnen</translation>
    </message>
    <message>
        <source>Type the race&apos;s name, or pick a race from the list, first.</source>
        <translation>Geben Sie zuerst den Namen des Rennens ein oder wählen Sie ein Rennen aus der Liste.</translation>
    </message>
    <message>
        <source>Points were stored for “%1”, which is not in the calendar. Add it to the calendar and count its points now?</source>
        <translation>Für “%1”, das nicht im Kalender steht, wurden Punkte gespeichert. Das Rennen jetzt in den Kalender aufnehmen und seine Punkte werten?</translation>
    </message>
    <message>
        <source>&amp;Count It</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Leave It Out</source>
        <translation>&amp;Weglassen</translation>
    </message>
</context>
<context>
    <name>velmora::SettingsWindow</name>
    <message>
        <source>“%1” is not a budget: write the millions with digits and a point, as 40.5, or leave the box empty.</source>
        <translation>“%1” ist kein Budget: Schreiben Sie die Millionen mit Ziffern und einem Punkt, etwa 40.5, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>League Settings — %1</source>
        <translation>Liga-Einstellungen — %1</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Budget (millions):</source>
        <translation>&amp;Budget (Millionen):</translation>
    </message>
    <message>
        <source>&amp;Site folder:</source>
        <translation>&amp;Website-Ordner:</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Owners in colour on the chart:</source>
        <translation>Besitzer in &amp;Farbe im Diagramm:</translation>
    </message>
    <message>
        <source>&amp;Transfers an owner may make:</source>
        <translation>&amp;Transfers je Besitzer:</translation>
    </message>
    <message>
        <source>none: a pick counts for the whole season</source>
        <translation>keine: eine Wahl gilt für die ganze Saison</translation>
    </message>
    <message>
        <source>A number for each season, or &quot;unlimited&quot;; empty, changing a pick changes the whole season.</source>
        <translation>Eine Anzahl je Saison oder &quot;unlimited&quot;; leer ändert eine geänderte Wahl die ganze Saison.</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The folder the season is published to</source>
        <translation>Der Ordner, in den die Saison veröffentlicht wird</translation>
    </message>
    <message>
        <source>
Open League Settings again once the file is mended: until then OK stores nothing.</source>
        <translation>
Öffnen Sie die Liga-Einstellungen erneut, sobald die Datei berichtigt ist: Bis dahin speichert OK nichts.</translation>
    </message>
    <message>
        <source>“%1” is not a number of owners: write a whole number, 0 or more, or leave the box empty.</source>
        <translation>“%1” ist keine Anzahl von Besitzern: Schreiben Sie eine ganze Zahl, 0 oder mehr, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>“%1” is not a number of transfers: write a whole number, 0 or more, or “unlimited”, or leave the box empty.</source>
        <translation>“%1” ist keine Anzahl von Transfers: Schreiben Sie eine ganze Zahl, 0 oder mehr, oder “unlimited”, oder lassen Sie das Feld leer.</translation>
    </message>
</context>
<context>
    <name>velmora::SteppingWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>velmora::TeamScoreCard</name>
    <message>
        <source>Team Score Card</source>
        <translation>Punktekarte Teams</translation>
    </message>
    <message>
        <source>Team Number:</source>
        <translation>Teamnummer:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Team Name:</source>
        <translation>Teamname:</translation>
    </message>
    <message>
        <source>Engine Maker:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Driver 1:</source>
        <translation>Fahrer 1:</translation>
    </message>
    <message>
        <source>Driver 2:</source>
        <translation>Fahrer 2:</translation>
    </message>
    <message>
        <source>Team score</source>
        <translation>Punkte Team</translation>
    </message>
    <message>
        <source>Engine maker score</source>
        <translation>Punkte Motorenhersteller</translation>
    </message>
    <message>
        <source>Driver 1 score</source>
        <translation>Punkte Fahrer 1</translation>
    </message>
    <message>
        <source>Driver 2 score</source>
        <translation>Punkte Fahrer 2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>velmora::TestDriverScoreCard</name>
    <message>
        <source>Test Driver Score Card</source>
        <translation>Punktekarte Testfahrer</translation>
    </message>
    <message>
        <source>Entry number</source>
        <translation>Eintragsnummer</translation>
    </message>
    <message>
        <source>Driver:</source>
        <translation>Fahrer:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
</context>
<context>
    <name>velmora::TransferQuestion</name>
    <message>
        <source>Transfer or Correction — %1</source>
        <translation>Transfer oder Korrektur — %1</translation>
    </message>
    <message>
        <source>%1&apos;s entry changes:
%2

A transfer counts from the race below on: the races before it keep the picks they were scored with. A correction puts right a mistake: the pick changes from its last transfer on, or for the whole season when it has none.

%3</source>
        <translation>Das Team von %1 ändert sich:
%2

Ein Transfer gilt ab dem unten gewählten Rennen: Die Rennen davor behalten die Wahlen, mit denen sie gewertet wurden. Eine Korrektur berichtigt einen Fehler: Die Wahl ändert sich ab ihrem letzten Transfer oder, wenn es keinen gibt, für die ganze Saison.

%3</translation>
    </message>
    <message>
        <source>Race %1, %2</source>
        <translation>Rennen %1, %2</translation>
    </message>
    <message>
        <source>The next race (race %1)</source>
        <translation>Das nächste Rennen (Rennen %1)</translation>
    </message>
    <message>
        <source>Race %1</source>
        <translation>Rennen %1</translation>
    </message>
    <message>
        <source>Counts &amp;from:</source>
        <translation>Gilt &amp;ab:</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfer</translation>
    </message>
    <message>
        <source>&amp;Correction</source>
        <translation>&amp;Korrektur</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
</TS>
