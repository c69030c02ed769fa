<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Form1</name>
    <message>
        <source>Einzelschritt</source>
        <translation>Single step</translation>
    </message>
    <message>
        <source>Inhalt löschen</source>
        <translation>Clear the contents</translation>
    </message>
    <message>
        <source>Speiche</source>
        <translation>Spoke</translation>
    </message>
    <message>
        <source>Stern</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analyze</translation>
    </message>
    <message>
        <source>Funktion: Die Partialfolgen von A(k) = m*k modulo N werden analysiert. Der Minimalabstand des neu hinzugekommenen Folgengliedes zu seinen direkten Nachbarn wird angegeben.</source>
        <translation>Function: the partial sequences of A(k) = m*k modulo N are analyzed. For every new term of the sequence the minimal distance to its direct neighbours is given.</translation>
    </message>
    <message>
        <source>%1    (%2: links am Bildrand; Extremfolge bei aquidistanter Teilung: Kopfzeile)</source>
        <translation>%1    (%2: at the left edge; extreme sequence of an equidistant division: header row)</translation>
    </message>
    <message>
        <source>Zyklar-Analysator</source>
        <translation>Zyklar Analyzer</translation>
    </message>
    <message>
        <source>Spaltenkopf k: Summe</source>
        <translation>Column heading k: sum</translation>
    </message>
    <message>
        <source>k: Summe</source>
        <translation>k: sum</translation>
    </message>
    <message>
        <source>Je Analyse der Multiplikator k und die Summe der Minimalabstände</source>
        <translation>For each analysis the multiplier k and the sum of the minimal distances</translation>
    </message>
    <message>
        <source>Kopfzeile Extremfolge</source>
        <translation>Header row extreme sequence</translation>
    </message>
    <message>
        <source>N durch j abgerundet: der Abstand bei äquidistanter Teilung in j Teile</source>
        <translation>N divided by j, rounded down: the distance of an equidistant division into j parts</translation>
    </message>
    <message>
        <source>Kopfzeile 1 bis N</source>
        <translation>Header row 1 to N</translation>
    </message>
    <message>
        <source>Die Nummern der Positionen, eine je Spalte</source>
        <translation>The numbers of the positions, one per column</translation>
    </message>
    <message>
        <source>Bild löschen</source>
        <translation>Clear the picture</translation>
    </message>
    <message>
        <source>Abstände zu den Nachbarn</source>
        <translation>Distances to the neighbours</translation>
    </message>
    <message>
        <source>Je Schritt der Abstand zum nächsten belegten Nachbarn rückwärts und vorwärts</source>
        <translation>For each step the distance to the nearest occupied neighbour backwards and forwards</translation>
    </message>
    <message>
        <source>Kreis der Positionen</source>
        <translation>Circle of positions</translation>
    </message>
    <message>
        <source>Die Analyse als Stern oder mit Speichen gezeichnet</source>
        <translation>The analysis drawn as a star or with spokes</translation>
    </message>
    <message>
        <source>Minimalabstände löschen</source>
        <translation>Clear the minimal distances</translation>
    </message>
    <message>
        <source>Folge der Minimalabstände</source>
        <translation>Sequence of minimal distances</translation>
    </message>
    <message>
        <source>Je Analyse eine Zeile; die erste Spalte ist N</source>
        <translation>One line per analysis; the first column is N</translation>
    </message>
    <message>
        <source>Die Folge</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <source>Die Positionen in der Reihenfolge ihrer Belegung</source>
        <translation>The positions in the order of their occupation</translation>
    </message>
    <message>
        <source>Permutation löschen</source>
        <translation>Clear the permutation</translation>
    </message>
    <message>
        <source>Reihenfolge der Felderbelegung / Permutation</source>
        <translation>Order of occupation / permutation</translation>
    </message>
    <message>
        <source>Je Position der Schritt, in dem sie belegt wurde</source>
        <translation>For each position the step at which it was occupied</translation>
    </message>
    <message>
        <source>k einstellen</source>
        <translation>Set k</translation>
    </message>
    <message>
        <source>Der Multiplikator, 1 bis 200</source>
        <translation>The multiplier, 1 to 200</translation>
    </message>
    <message>
        <source>N einstellen</source>
        <translation>Set N</translation>
    </message>
    <message>
        <source>Die Anzahl der Positionen, 2 bis 200</source>
        <translation>The number of positions, 2 to 200</translation>
    </message>
    <message>
        <source>Der Multiplikator</source>
        <translation>The multiplier</translation>
    </message>
    <message>
        <source>Die Anzahl der Positionen auf dem Kreis</source>
        <translation>The number of positions on the circle</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>smaller</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>larger</translation>
    </message>
    <message>
        <source>Alles löschen</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Rangliste…</source>
        <translation>Ranking…</translation>
    </message>
    <message>
        <source>Drei Abstände…</source>
        <translation>Three gaps…</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Ergebnisse speichern…</source>
        <translation>Save results…</translation>
    </message>
    <message>
        <source>wie die Arbeitsumgebung</source>
        <translation>as the desktop</translation>
    </message>
    <message>
        <source>Zyklar – der Zyklus-Analysator, Arbeitsgruppe Zahlentheorie</source>
        <translation>Zyklar – the cycle analyzer, number theory working group</translation>
    </message>
    <message>
        <source>Programmiert von</source>
        <translation>Programmed by</translation>
    </message>
    <message>
        <source>PNG-Bild, vierfache Größe (*.png)</source>
        <translation>PNG image, four times the size (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild, doppelte Größe (*.png)</source>
        <translation>PNG image, twice the size (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild, Bildschirmgröße (*.png)</source>
        <translation>PNG image, screen size (*.png)</translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation>SVG vector graphics (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Die Datei „%1“ wurde nicht gespeichert.
%2.</source>
        <translation>The file “%1” was not saved.
%2.</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Bilder speichert Zyklar als PNG, SVG oder PDF</source>
        <translation>Zyklar saves pictures as PNG, SVG or PDF</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>getrennt nach rechtem und linkem Nachbarn</source>
        <translation>split by right and left neighbour</translation>
    </message>
    <message>
        <source>  k:  Summe</source>
        <translation>  k:  Sum</translation>
    </message>
    <message>
        <source>GIF-Animation aller Schritte (*.gif)</source>
        <translation>GIF animation of every step (*.gif)</translation>
    </message>
</context>
<context>
    <name>RankingModel</name>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
</context>
<context>
    <name>RankingWindow</name>
    <message>
        <source>Rangliste</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Erläuterung der Rangliste</source>
        <translation>Explanation of the ranking</translation>
    </message>
    <message>
        <source>Rangfolge &amp;nach:</source>
        <translation>Rank &amp;by:</translation>
    </message>
    <message>
        <source>Rangfolge nach</source>
        <translation>Rank by</translation>
    </message>
    <message>
        <source>Rangliste der Multiplikatoren</source>
        <translation>Ranking of the multipliers</translation>
    </message>
    <message>
        <source>Doppelklick oder Eingabetaste analysiert den Multiplikator der Zeile</source>
        <translation>Double-click or Enter analyzes the multiplier of the row</translation>
    </message>
    <message>
        <source>Verlauf der Minimalabstände</source>
        <translation>Course of the minimal distances</translation>
    </message>
    <message>
        <source>Spektraltest in 2 bis 8 Dimensionen</source>
        <translation>Spectral test in 2 to 8 dimensions</translation>
    </message>
    <message>
        <source>Kennzahl aller Multiplikatoren über k/N</source>
        <translation>Figure of every multiplier over k/N</translation>
    </message>
    <message>
        <source>N = %1: %2 teilerfremde Multiplikatoren, %3. Doppelklick oder Eingabetaste analysiert eine Zeile im Hauptfenster.</source>
        <translation>N = %1: %2 coprime multipliers, %3. Double-click or Enter analyzes a row in the main window.</translation>
    </message>
</context>
<context>
    <name>RatioPlot</name>
    <message>
        <source>Verhältnis der längsten zur kürzesten Lücke je Schritt, N = %1, k = %2</source>
        <translation>Ratio of the longest to the shortest gap at each step, N = %1, k = %2</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Verhältnis (log.)</source>
        <translation>Ratio (log.)</translation>
    </message>
    <message>
        <source>längste / kürzeste Lücke je Schritt, k = %1, N = %2; über jeder Strecke ihr Teilnenner, punktiert eine neue kürzeste Lücke</source>
        <translation>longest / shortest gap at each step, k = %1, N = %2; over each stretch its partial quotient, dotted a new shortest gap</translation>
    </message>
    <message>
        <source>Verhältnis der längsten zur kürzesten Lücke je Schritt, goldener Winkel, %1 Punkte</source>
        <translation>Ratio of the longest to the shortest gap at each step, golden angle, %1 points</translation>
    </message>
    <message>
        <source>längste / kürzeste Lücke je Schritt, goldener Winkel, %1 Punkte; über jeder Strecke ihr Teilnenner, punktiert eine neue kürzeste Lücke</source>
        <translation>longest / shortest gap at each step, golden angle, %1 points; over each stretch its partial quotient, dotted a new shortest gap</translation>
    </message>
    <message>
        <source>Schritt (log.)</source>
        <translation>Step (log.)</translation>
    </message>
</context>
<context>
    <name>ScatterPlot</name>
    <message>
        <source>%1 jedes Multiplikators über k/N, N = %2; Pfeiltasten wählen den Nachbarn, Eingabetaste analysiert</source>
        <translation>%1 of every multiplier over k/N, N = %2; arrow keys choose the neighbour, Enter analyzes</translation>
    </message>
    <message>
        <source>%1 (senkrecht) über k/N, N = %2</source>
        <translation>%1 (upwards) over k/N, N = %2</translation>
    </message>
</context>
<context>
    <name>StepPlot</name>
    <message>
        <source>Minimalabstände von k = %1 gegen die gleichverteilte Folge, N = %2</source>
        <translation>Minimal distances of k = %1 against the evenly spread sequence, N = %2</translation>
    </message>
    <message>
        <source>Keine Zeile gewählt</source>
        <translation>No row chosen</translation>
    </message>
    <message>
        <source>Minimalabstand je Schritt, k = %1</source>
        <translation>minimal distance at each step, k = %1</translation>
    </message>
    <message>
        <source>gleichverteilt: ⌊N/(i+1)⌋, N = %1</source>
        <translation>evenly spread: ⌊N/(i+1)⌋, N = %1</translation>
    </message>
</context>
<context>
    <name>ThreeGapsWindow</name>
    <message>
        <source>geteilt: %1 = %2 + %3</source>
        <translation>split: %1 = %2 + %3</translation>
    </message>
    <message>
        <source>Drei Abstände</source>
        <translation>Three gaps</translation>
    </message>
    <message>
        <source>Kreis mit den Lücken des Schritts</source>
        <translation>Circle with the gaps of the step</translation>
    </message>
    <message>
        <source>Zeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Zeigt N und k dieses Fensters, N bis 100000</source>
        <translation>Shows this window’s N and k, N up to 100000</translation>
    </message>
    <message>
        <source>k wird die nächste zu N teilerfremde Zahl bei N/φ</source>
        <translation>k becomes the nearest number coprime to N at N/φ</translation>
    </message>
    <message>
        <source>k wird die nächste zu N teilerfremde Zahl bei N/φ²</source>
        <translation>k becomes the nearest number coprime to N at N/φ²</translation>
    </message>
    <message>
        <source>&amp;Kreis</source>
        <translation>&amp;Circle</translation>
    </message>
    <message>
        <source>S&amp;onnenblume</source>
        <translation>S&amp;unflower</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Pfeiltasten: ein Schritt weiter oder zurück; Leertaste: abspielen</source>
        <translation>Arrow keys: one step on or back; space: play</translation>
    </message>
    <message>
        <source>&amp;Schritt:</source>
        <translation>&amp;Step:</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Tempo in Schritten je Sekunde</source>
        <translation>Speed in steps per second</translation>
    </message>
    <message>
        <source>Lückenverhältnis je Schritt</source>
        <translation>Gap ratio at each step</translation>
    </message>
    <message>
        <source>&amp;Tempo: %1/s</source>
        <translation>S&amp;peed: %1/s</translation>
    </message>
    <message>
        <source>Spiralen: noch keine</source>
        <translation>Spirals: none yet</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>sonnenblume</source>
        <translation>sunflower</translation>
    </message>
    <message>
        <source>abstaende</source>
        <translation>gaps</translation>
    </message>
    <message>
        <source>zyklar-%1-N%2-k%3-schritt%4.png</source>
        <translation>zyklar-%1-N%2-k%3-step%4.png</translation>
    </message>
    <message>
        <source>Zyklar, drei Abstände: N = %1, k = %2, Schritt %3</source>
        <translation>Zyklar, three gaps: N = %1, k = %2, step %3</translation>
    </message>
    <message>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <source>N wird die nächste Fibonacci-Zahl, k die vorige</source>
        <translation>N becomes the nearest Fibonacci number, k the one before it</translation>
    </message>
    <message>
        <source>Kettenbruch von k/N</source>
        <translation>Continued fraction of k/N</translation>
    </message>
    <message>
        <source>k/N = %1/%2 = %3
Näherungsbrüche: %4
</source>
        <translation>k/N = %1/%2 = %3
Convergents: %4
</translation>
    </message>
    <message>
        <source>Alle Teilnenner sind 1, wie beim goldenen Schnitt (der letzte, 2, ist 1 + 1/1): das Muster hält bis zum Ende.</source>
        <translation>Every partial quotient is 1, as for the golden ratio (the last, 2, is 1 + 1/1): the pattern holds to the end.</translation>
    </message>
    <message>
        <source>Der %1. Teilnenner, %2, bricht das Muster des goldenen Schnitts, dessen Teilnenner alle 1 sind: im Verhältnis der Lücken ab Schritt %3.</source>
        <translation>Partial quotient %1, a %2, breaks the pattern of the golden ratio, whose quotients are all 1: in the ratio of the gaps from step %3 on.</translation>
    </message>
    <message>
        <source>&amp;Goldener Winkel (irrational)</source>
        <translation>&amp;Golden angle (irrational)</translation>
    </message>
    <message>
        <source>Punkt j steht bei j·α mod 1 mit α = (√5 − 1)/2; N ist die Zahl der Punkte</source>
        <translation>Point j stands at j·α mod 1 with α = (√5 − 1)/2; N is the number of points</translation>
    </message>
    <message>
        <source>α = (√5 − 1)/2 = [0; 1, 1, 1, …]
Näherungsbrüche: %1, …
Alle Teilnenner sind 1, jeder Näherungsbruch ist ein Verhältnis zweier Fibonacci-Zahlen: der goldene Schnitt selbst.</source>
        <translation>α = (√5 − 1)/2 = [0; 1, 1, 1, …]
Convergents: %1, …
Every partial quotient is 1, every convergent a ratio of two Fibonacci numbers: the golden ratio itself.</translation>
    </message>
    <message>
        <source>Goldener Winkel, %1 Punkte.</source>
        <translation>Golden angle, %1 points.</translation>
    </message>
    <message>
        <source>N = %1, k = %2.</source>
        <translation>N = %1, k = %2.</translation>
    </message>
    <message>
        <source>Die Lücken zwischen benachbarten belegten Positionen haben höchstens drei Längen; die kürzeste ist blau, die längste schwarz, eine mittlere orange. Rot: die neue Position und die Lücke, die sie geteilt hat.</source>
        <translation>The gaps between neighbouring occupied positions have at most three lengths; the shortest is blue, the longest black, a middle one orange. Red: the new position and the gap it split.</translation>
    </message>
    <message>
        <source>zyklar-%1-goldener-winkel-N%2-schritt%3.png</source>
        <translation>zyklar-%1-golden-angle-N%2-step%3.png</translation>
    </message>
    <message>
        <source>Zyklar, drei Abstände: goldener Winkel, %1 Punkte, Schritt %2</source>
        <translation>Zyklar, three gaps: golden angle, %1 points, step %2</translation>
    </message>
    <message>
        <source>Die Sonnenblume nach Vogel: Samen i steht beim Winkel 2π·i·α und im Abstand √i vom Mittelpunkt, mit α = k/N oder dem goldenen Winkel. Das Auge sieht zwei Scharen von Spiralen durch benachbarte Samen; ihre Anzahlen sind Nenner von Näherungsbrüchen von α, beim goldenen Winkel aufeinanderfolgende Fibonacci-Zahlen. Rot: der neueste Samen.</source>
        <translation>Vogel&apos;s sunflower: seed i stands at the angle 2π·i·α and at the distance √i from the centre, with α = k/N or the golden angle. The eye sees two families of spirals through neighbouring seeds; their counts are denominators of convergents of α, for the golden angle consecutive Fibonacci numbers. Red: the newest seed.</translation>
    </message>
    <message>
        <source>Zyklar, Sonnenblume: goldener Winkel, %1 Punkte, Schritt %2</source>
        <translation>Zyklar, sunflower: golden angle, %1 points, step %2</translation>
    </message>
    <message>
        <source>Zyklar, Sonnenblume: N = %1, k = %2, Schritt %3</source>
        <translation>Zyklar, sunflower: N = %1, k = %2, step %3</translation>
    </message>
    <message>
        <source>Schritt %1: </source>
        <translation>Step %1: </translation>
    </message>
    <message>
        <source>Spiralen: </source>
        <translation>Spirals: </translation>
    </message>
    <message>
        <source>%1 (blau)</source>
        <translation>%1 (blue)</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1 (orange)</source>
        <translation>%1 (orange)</translation>
    </message>
    <message>
        <source>goldener Winkel, %1 Punkte</source>
        <translation>golden angle, %1 points</translation>
    </message>
    <message>
        <source>%1, Schritt %2</source>
        <translation>%1, step %2</translation>
    </message>
</context>
<context>
    <name>analysis</name>
    <message>
        <source>Der gemeinsame Teiler %1 wird herausgekürzt</source>
        <translation>The common divisor %1 is cancelled</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>die Belegung von N Positionen mit dem Multiplikator K</source>
        <translation>the occupation of N positions with the multiplier K</translation>
    </message>
    <message>
        <source>Belegt N Positionen auf dem Kreis mit dem Multiplikator K, Schritt für Schritt,
und zeigt, was das Fenster nach „Analyse“ zeigt: die Folge, die Abstände zu
beiden Nachbarn, die Minimalabstände, die Summe und die Permutation.
{N}.
</source>
        <translation>Occupies N positions on the circle with the multiplier K, step by step, and
shows what the window shows after “Analyze”: the sequence, the distances to
both neighbours, the minimal distances, the sum and the permutation.
{N}.
</translation>
    </message>
    <message>
        <source>%1 muss eine ganze Zahl sein (dezimal, 0x… oder 2^e±c), nicht %2</source>
        <translation>%1 must be a whole number (decimal, 0x… or 2^e±c), not %2</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>%1 muss mindestens %2 sein, nicht %3</source>
        <translation>%1 must be at least %2, not %3</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 liegen, nicht %4</source>
        <translation>%1 must lie between %2 and %3, not %4</translation>
    </message>
    <message>
        <source>K darf kein Vielfaches von N sein: dann bliebe jeder Schritt auf Position 1</source>
        <translation>K must not be a multiple of N: every step would stay on position 1</translation>
    </message>
    <message>
        <source>%1: N = %2, K = %3 wird zu N = %4, K = %5</source>
        <translation>%1: N = %2, K = %3 becomes N = %4, K = %5</translation>
    </message>
    <message>
        <source>%1: Bilder schreibt zyklar als .png, .svg oder .pdf</source>
        <translation>%1: zyklar writes pictures as .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>%1 wurde nicht geschrieben: %2</source>
        <translation>%1 was not written: %2</translation>
    </message>
    <message>
        <source>das Bild einer Analyse als PNG, SVG oder PDF</source>
        <translation>the picture of an analysis as PNG, SVG or PDF</translation>
    </message>
    <message>
        <source>Zeichnet das Bild der Analyse von N und K, wie es das Fenster zeigt, als Stern
oder mit Speichen, in eine Datei: PNG, SVG (Vektoren) oder PDF, nach der
Endung des Namens. {N}.
</source>
        <translation>Draws the picture of the analysis of N and K as the window shows it, as a star
or with spokes, into a file: PNG, SVG (vectors) or PDF, by the ending of the
name. {N}.
</translation>
    </message>
    <message>
        <source>nur die ersten T Plätze</source>
        <translation>only the first T places</translation>
    </message>
    <message>
        <source>nur Multiplikatoren ab K1</source>
        <translation>only multipliers from K1</translation>
    </message>
    <message>
        <source>nur Multiplikatoren bis K2</source>
        <translation>only multipliers up to K2</translation>
    </message>
    <message>
        <source>nur der I-te von P gleichen Teilen der Kandidaten,
zum Verteilen auf mehrere Rechner</source>
        <translation>only the I-th of P equal parts of the candidates,
to spread the work over several machines</translation>
    </message>
    <message>
        <source>dazu je Kennzahl der Rang unter allen Multiplikatoren
von N und ihr bester Wert (N ≤ 2^32)</source>
        <translation>with each figure its rank among all multipliers
of N and its best value (N ≤ 2^32)</translation>
    </message>
    <message>
        <source>nur der Schritt I</source>
        <translation>only the step I</translation>
    </message>
    <message>
        <source>text (Vorgabe), csv oder json</source>
        <translation>text (default), csv or json</translation>
    </message>
    <message>
        <source>Speichen statt Stern</source>
        <translation>spokes instead of a star</translation>
    </message>
    <message>
        <source>die Bilddatei: .png, .svg oder .pdf</source>
        <translation>the picture file: .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>ein PNG 1-, 2- oder 4-mal so groß wie am Bildschirm
(Vorgabe 4)</source>
        <translation>a PNG 1, 2 or 4 times as large as on the screen
(default 4)</translation>
    </message>
    <message>
        <source>die Sprache dieses Aufrufs: de (Deutsch) oder en
(Englisch)</source>
        <translation>the language of this call: de (German) or en
(English)</translation>
    </message>
    <message>
        <source>Rang unter allen Multiplikatoren von N = %1</source>
        <translation>rank among all multipliers of N = %1</translation>
    </message>
    <message>
        <source>Rang</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Bestwert</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>jede Kennzahl eines oder mehrerer Multiplikatoren</source>
        <translation>every figure of one or more multipliers</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>short</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>count</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>middle</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>long</translation>
    </message>
    <message>
        <source>Verhältnis</source>
        <translation>ratio</translation>
    </message>
    <message>
        <source>die Lücken zwischen den belegten Positionen, Schritt für Schritt</source>
        <translation>the gaps between the occupied positions, step by step</translation>
    </message>
    <message>
        <source>, noch etwa %1</source>
        <translation>, about %1 left</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>unbekannte Kennzahl %1; möglich sind %2</source>
        <translation>unknown figure %1; possible are %2</translation>
    </message>
    <message>
        <source>von K1 bis K2 dürfen höchstens %1 Multiplikatoren liegen</source>
        <translation>at most %1 multipliers may lie from K1 to K2</translation>
    </message>
    <message>
        <source>Rangliste für N = %1</source>
        <translation>ranking for N = %1</translation>
    </message>
    <message>
        <source>von %1 bis %2 liegt kein Multiplikator, der in Frage kommt</source>
        <translation>no multiplier that qualifies lies from %1 to %2</translation>
    </message>
    <message>
        <source>alle Multiplikatoren von N, der gleichmäßigste zuerst</source>
        <translation>every multiplier of N, the most even first</translation>
    </message>
    <message>
        <source>Aufruf: zyklar [BEFEHL ARGUMENTE… [OPTIONEN]]
Ohne Argumente öffnet zyklar sein Fenster.

Befehle:
</source>
        <translation>Usage: zyklar [COMMAND ARGUMENTS… [OPTIONS]]
Without arguments zyklar opens its window.

Commands:
</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>unbekanntes Format %1; möglich sind text, csv und json</source>
        <translation>unknown format %1; possible are text, csv and json</translation>
    </message>
    <message>
        <source>%1 ist keine ganze Dezimalzahl: Zahlen haben kein Vorzeichen</source>
        <translation>%1 is not a whole decimal number: numbers have no sign</translation>
    </message>
    <message>
        <source>unbekannte Option %1; die Optionen zeigt „zyklar --help“</source>
        <translation>unknown option %1; see ‘zyklar --help’ for the options</translation>
    </message>
    <message>
        <source>einer Option fehlt ihr Wert, etwa --format F oder --top T</source>
        <translation>an option lacks its value, such as --format F or --top T</translation>
    </message>
    <message>
        <source>unbekannter Befehl %1; die Befehle zeigt „zyklar --help“</source>
        <translation>unknown command %1; see ‘zyklar --help’ for the commands</translation>
    </message>
    <message>
        <source>die Hilfe ließ sich nicht vollständig schreiben</source>
        <translation>the help could not be written completely</translation>
    </message>
    <message>
        <source>kein Befehl angegeben; die Befehle zeigt „zyklar --help“</source>
        <translation>no command given; see ‘zyklar --help’ for the commands</translation>
    </message>
    <message>
        <source>zu wenige Argumente; Aufruf: %1</source>
        <translation>too few arguments; usage: %1</translation>
    </message>
    <message>
        <source>zu viele Argumente; Aufruf: %1</source>
        <translation>too many arguments; usage: %1</translation>
    </message>
    <message>
        <source>Zwischendateien in %1 ließen sich nicht schreiben: %2</source>
        <translation>temporary files in %1 could not be written: %2</translation>
    </message>
    <message>
        <source>die Ergebnisse ließen sich nicht vollständig schreiben</source>
        <translation>the results could not be written completely</translation>
    </message>
    <message>
        <source>Summe, Anteil und Kettenbruch eines Multiplikators</source>
        <translation>sum, share and continued fraction of a multiplier</translation>
    </message>
    <message>
        <source>Summe, Anteil, Kettenbruch und größter Teilnenner eines Multiplikators,
in geschlossener Form je Teilnenner des Kettenbruchs. {N}.
</source>
        <translation>Sum, share, continued fraction and largest partial quotient of a multiplier,
in closed form per partial quotient of the continued fraction. {N}.
</translation>
    </message>
    <message>
        <source>%1 ließ sich nicht lesen</source>
        <translation>%1 could not be read</translation>
    </message>
    <message>
        <source>Teile einer Rangliste zu einer zusammenfügen</source>
        <translation>merge the parts of a ranking into one</translation>
    </message>
    <message>
        <source>
Auch auf Englisch: %1;
  %2 %3

</source>
        <translation>
Also in German:
  %1;
  %2 %3

</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert: %1 %2</source>
        <translation>%1 needs a value: %1 %2</translation>
    </message>
    <message>
        <source>%1 gilt nicht für %2; Aufruf: %3</source>
        <translation>%1 does not apply to %2; usage: %3</translation>
    </message>
    <message>
        <source>%1 muss de oder en sein, nicht %2</source>
        <translation>%1 must be de or en, not %2</translation>
    </message>
    <message>
        <source>%1 braucht %2 (.png, .svg oder .pdf)</source>
        <translation>%1 needs %2 (.png, .svg or .pdf)</translation>
    </message>
    <message>
        <source>%1 gilt nur für PNG-Bilder</source>
        <translation>%1 is only for PNG pictures</translation>
    </message>
    <message>
        <source>%1 muss 1, 2 oder 4 sein, nicht %2</source>
        <translation>%1 must be 1, 2 or 4, not %2</translation>
    </message>
    <message>
        <source>%1 braucht die K als Argumente, nicht von der Standardeingabe</source>
        <translation>%1 needs the K as arguments, not from standard input</translation>
    </message>
    <message>
        <source>%1 braucht N ≤ %2, nicht %3</source>
        <translation>%1 needs N ≤ %2, not %3</translation>
    </message>
    <message>
        <source>N muss ohne %1 und %2 zwischen 2 und %3 liegen, nicht %4</source>
        <translation>without %1 and %2 N must lie between 2 and %3, not %4</translation>
    </message>
    <message>
        <source>%1 braucht I/P, etwa 2/8, nicht %2</source>
        <translation>%1 needs I/P, such as 2/8, not %2</translation>
    </message>
    <message>
        <source>%1 %2: so viele Teile hat der Bereich nicht</source>
        <translation>%1 %2: the range has not that many parts</translation>
    </message>
    <message>
        <source>für N über %1 braucht %2 %3 oder %4 und %5 mit höchstens %6 Multiplikatoren</source>
        <translation>for N above %1 %2 needs %3 or %4 and %5 with at most %6 multipliers</translation>
    </message>
    <message>
        <source>%1 muss mcg oder lcg sein, nicht %2</source>
        <translation>%1 must be mcg or lcg, not %2</translation>
    </message>
    <message>
        <source>%1, Zeile %2: so lange Zeilen hat kein Teil einer Rangliste</source>
        <translation>%1, line %2: no part of a ranking has such long lines</translation>
    </message>
    <message>
        <source>%1 ist kein Teil einer Rangliste: die schreibt „%2 N %3 I/P --format csv“</source>
        <translation>%1 is no part of a ranking, which ‘%2 N %3 I/P --format csv’ writes</translation>
    </message>
    <message>
        <source>%1, Zeile %2 ist keine Zeile einer Rangliste: %3</source>
        <translation>%1, line %2 is no line of a ranking: %3</translation>
    </message>
    <message>
        <source>%1 ist kein vollständiger Teil einer Rangliste: ihm fehlt die Schlusszeile, die „%2 %3 I/P“ nach der letzten Zeile schreibt</source>
        <translation>%1 is no complete part of a ranking: it lacks the closing line that ‘%2 %3 I/P’ writes after the last row</translation>
    </message>
    <message>
        <source>%1 ist unvollständig: %2 Zeilen, die Schlusszeile nennt %3</source>
        <translation>%1 is incomplete: %2 rows, the closing line names %3</translation>
    </message>
    <message>
        <source>%1, Zeile %2: k = %3 gehört nicht zu Teil %4 von %5 der Rangliste von N = %6</source>
        <translation>%1, line %2: k = %3 does not belong to part %4 of %5 of the ranking of N = %6</translation>
    </message>
    <message>
        <source>%1, Zeile %2: k = %3 steht zweimal darin</source>
        <translation>%1, line %2: k = %3 is in it twice</translation>
    </message>
    <message>
        <source>%1 und %2 sind Teile verschiedener Ranglisten: %3 gegen %4</source>
        <translation>%1 and %2 are parts of different rankings: %3 against %4</translation>
    </message>
    <message>
        <source>%1 und %2 sind beide Teil %3 von %4</source>
        <translation>%1 and %2 are both part %3 of %4</translation>
    </message>
    <message>
        <source>es fehlen Teile der Rangliste: von %1 Teilen sind %2 da, es fehlt Teil %3</source>
        <translation>parts of the ranking are missing: of %1 parts %2 are there, part %3 is missing</translation>
    </message>
    <message>
        <source>N = %1, die Teile sind aber für N = %2</source>
        <translation>N = %1, but the parts are for N = %2</translation>
    </message>
    <message>
        <source>%1 %2 widerspricht den Teilen: sie sind mit %3 gemacht</source>
        <translation>%1 %2 contradicts the parts: they are made with %3</translation>
    </message>
    <message>
        <source>%1 %2 widerspricht den Teilen: sie sind ohne %1 gemacht</source>
        <translation>%1 %2 contradicts the parts: they are made without %1</translation>
    </message>
    <message>
        <source>die Teile haben mehr als %1 Zeilen; mit %2 liest %3 nur die ersten T jedes Teils</source>
        <translation>the parts have more than %1 rows; with %2 %3 reads only the first T of each part</translation>
    </message>
    <message>
        <source>%1 %2: die Teile haben nur ihre ersten %3 Plätze</source>
        <translation>%1 %2: the parts hold only their first %3 places</translation>
    </message>
    <message>
        <source>%1, Zeile %2: k = %3 steht nicht, wo die Rangliste es hinstellt</source>
        <translation>%1, line %2: k = %3 does not stand where the ranking puts it</translation>
    </message>
    <message>
        <source>Fügt die P Teile einer Rangliste, jeder von
„rangliste N --teil I/P --format csv“ in eine Datei geschrieben, zur
Rangliste aller zusammen: dieselbe Ordnung, dieselben Ränge und dieselben
ersten T Plätze wie ein Lauf über alle Kandidaten. Jeder Teil sagt nach
seiner letzten Zeile, womit er gemacht ist: Rangfolge, Dimensionen,
Generator und T nimmt zusammenfuehren von dort, und eine Option, die ihnen
widerspricht, ist ein Fehler. Nichts wird geschrieben, wenn ein Teil fehlt,
doppelt da ist, abgebrochen wurde, zu einer anderen Rangliste gehört oder
eine Zeile hat, die nicht die seiner Rangliste ist. {N}.
</source>
        <translation>Merges the P parts of a ranking, each written into a file by
‘rank N --part I/P --format csv’, into the ranking of all: the same order,
the same ranks and the same first T places as one run over every candidate.
Each part says after its last row what it was made with: merge takes the
order, the dimensions, the generator and T from there, and an option that
contradicts them is an error. Nothing is written when a part is missing,
there twice, cut short, of another ranking, or has a row that is not one of
its ranking&apos;s. {N}.
</translation>
    </message>
    <message>
        <source>Zeile %1 der Standardeingabe: %2</source>
        <translation>line %1 of standard input: %2</translation>
    </message>
    <message>
        <source>die Standardeingabe ließ sich nicht lesen</source>
        <translation>standard input could not be read</translation>
    </message>
    <message>
        <source>die Zeile ist länger als %1 Zeichen</source>
        <translation>the line is longer than %1 characters</translation>
    </message>
    <message>
        <source>%1 (Vorgabe)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>die Rangfolge: %1</source>
        <translation>the order: %1</translation>
    </message>
    <message>
        <source>bei jedem Befehl</source>
        <translation>with every command</translation>
    </message>
    <message>
        <source>bei %1</source>
        <translation>with %1</translation>
    </message>
    <message>
        <source>Optionen:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>diese Hilfe; nach einem Befehl dessen Hilfe</source>
        <translation>this help; after a command that command&apos;s help</translation>
    </message>
    <message>
        <source>die Version</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>
K ≥ N wird modulo N genommen; ein gemeinsamer Teiler von N und K wird
herausgekürzt. Zahlen sind ganz und ohne Vorzeichen: dezimal,
hexadezimal (0x9E3779B97F4A7C15) oder als 2^e, 2^e-c, 2^e+c (2^31-1).
</source>
        <translation>
K ≥ N is taken modulo N; a common divisor of N and K is cancelled.
Numbers are whole and without a sign: decimal, hexadecimal
(0x9E3779B97F4A7C15) or as 2^e, 2^e-c, 2^e+c (2^31-1).
</translation>
    </message>
    <message>
        <source>jeder Schritt als Bild einer Animation, eine GIF-Datei</source>
        <translation>every step a picture of an animation, a GIF file</translation>
    </message>
    <message>
        <source>die Animation als Sonnenblume statt als Kreis</source>
        <translation>the animation as a sunflower instead of a circle</translation>
    </message>
    <message>
        <source>die Animation mit dem goldenen Winkel selbst: N Punkte,
K gilt nicht</source>
        <translation>the animation with the golden angle itself: N points,
K does not count</translation>
    </message>
    <message>
        <source>%1: Animationen schreibt zyklar als .gif</source>
        <translation>%1: zyklar writes animations as .gif</translation>
    </message>
    <message>
        <source>%1 zeichnet N bis %2, nicht %3</source>
        <translation>%1 draws N up to %2, not %3</translation>
    </message>
    <message>
        <source>goldener Winkel, %1 Punkte, Schritt %2</source>
        <translation>golden angle, %1 points, step %2</translation>
    </message>
    <message>
        <source>N = %1, k = %2, Schritt %3</source>
        <translation>N = %1, k = %2, step %3</translation>
    </message>
    <message>
        <source>%1 gilt nur mit %2</source>
        <translation>%1 only goes with %2</translation>
    </message>
    <message>
        <source>Nach jedem Schritt i = 1 … N−1 teilen die belegten Positionen 0, K, 2K, …
den Kreis in Lücken von höchstens drei Längen (Drei-Abstände-Satz): die
kurze, die lange und, wenn es sie gibt, eine mittlere, jede mit der Zahl
ihrer Lücken, und das Verhältnis der langen zur kurzen. {N}.
Mit --animation wird jeder Schritt ein Bild einer GIF-Animation, als Kreis
oder Sonnenblume, für N bis %1.
</source>
        <translation>After each step i = 1 … N−1 the occupied positions 0, K, 2K, … divide the
circle into gaps of at most three lengths (the three-gap theorem): the short
one, the long one and, where there is one, a middle one, each with the
number of its gaps, and the ratio of the long to the short. {N}.
With --animation every step becomes a picture of a GIF animation, as a
circle or a sunflower, for N up to %1.
</translation>
    </message>
    <message>
        <source>nur die Multiplikatoren der längsten Periode: mcg für
x → k·x mod N, lcg für x → k·x + c mod N; ein MCG
von N = 2^e auf dem Gitter seiner Bahn modulo N/4</source>
        <translation>only the multipliers of the longest period: mcg for
x → k·x mod N, lcg for x → k·x + c mod N; an MCG
of N = 2^e on the lattice of its orbit modulo N/4</translation>
    </message>
    <message>
        <source>K = %1 hat nicht die längste Periode von N = %2 (%3 %4)</source>
        <translation>K = %1 does not have the longest period of N = %2 (%3 %4)</translation>
    </message>
    <message>
        <source>%1 gilt für alle Multiplikatoren von N und geht nicht mit %2</source>
        <translation>%1 is about every multiplier of N and does not go with %2</translation>
    </message>
    <message>
        <source>Spektraltest auf dem Gitter der Bahn des MCG: modulo N/4 = 2^%1, mit k oder N − k, was ≡ 5 (mod 8) ist
</source>
        <translation>Spectral test on the lattice of the MCG&apos;s orbit: modulo N/4 = 2^%1, with k or N − k, whichever is ≡ 5 (mod 8)
</translation>
    </message>
    <message>
        <source>jede Kennzahl des Spektraltests für den Generator,
der nur jeden L-ten Wert zeigt</source>
        <translation>every figure of the spectral test for the generator
that shows only every L-th value</translation>
    </message>
    <message>
        <source>Spektraltest des Generators, der nur jeden %1-ten Wert zeigt: K^%1 auf dem Gitter modulo %2
</source>
        <translation>Spectral test of the generator that shows only every %1-th value: K^%1 on the lattice modulo %2
</translation>
    </message>
    <message>
        <source>bei %1 %2 bleibt von N = %3 nur ein Punkt</source>
        <translation>with %1 %2 only one point of N = %3 is left</translation>
    </message>
    <message>
        <source>Jede Kennzahl der Multiplikatoren K von N, eine Zeile je K, zum Vergleich:
die Summe der Minimalabstände und ihr Anteil, der Kettenbruch von K/N und
sein größter Teilnenner, der Spektraltest (ν₂² und f₂), der Zaremba-Index
und das Lückenverhältnis; dazu der Spektraltest in 3 bis T Dimensionen
(ν_t² in CSV und JSON, f_t) und das Gütemaß M_T, das kleinste f_t.
Mit --generator nur K der längsten Periode; ein MCG von N = 2^e wird
wie in den heutigen Tabellen auf dem Gitter seiner Bahn modulo N/4
beurteilt, mit K oder N − K, was ≡ 5 (mod 8) ist. Dazu am Ende das
harmonische Mittel H_T der f_t (f_t mit dem Gewicht 1/(t − 1)) und die
Versatzgüte, das kleinste M_T der Generatoren, die nur jeden 2. bis 8. Wert
zeigen. Mit --versatz L der Spektraltest und H_T dieses Generators mit
K^L, auf dem Gitter modulo N/ggT(N, L).
Mit - statt der K kommen die K von der Standardeingabe, eines je Zeile,
und jede Zeile wird geschrieben, sobald ihr K beantwortet ist. Eine Zeile
ohne K beendet den Lauf mit ihrer Nummer; was geschrieben ist, bleibt ganz,
auch nach Strg+C. {N}.
</source>
        <translation>Every figure of the multipliers K of N, one line per K, for comparison: the
sum of the minimal distances and its share, the continued fraction of K/N
and its largest partial quotient, the spectral test (ν₂² and f₂), the
Zaremba index and the gap ratio; with them the spectral test in 3 to T
dimensions (ν_t² in CSV and JSON, f_t) and the figure of merit M_T, the
smallest f_t. With --generator only K of the longest period; an MCG of
N = 2^e is judged, as today&apos;s tables do, on the lattice of its orbit
modulo N/4, with K or N − K, whichever is ≡ 5 (mod 8). At the end the
harmonic mean H_T of the f_t (f_t weighs 1/(t − 1)) and the lagged figure,
the smallest M_T of the generators that show only every 2nd to 8th value.
With --lag L the spectral test and H_T of that generator with K^L, on the
lattice modulo N/gcd(N, L).
With - instead of the K the K come from standard input, one per line, and
each line is written as soon as its K is answered. A line without a K ends
the run with its number; what is written stays whole, also after Ctrl+C.
{N}.
</translation>
    </message>
    <message>
        <source>Ordnet alle zu N teilerfremden Multiplikatoren k nach einer Kennzahl, die
beste zuerst; gleiche Werte teilen sich den Rang, bei gleichem Wert kommt
das kleinere k zuerst. Vorgabe ist die Summe der Minimalabstände. Dazu
jede Kennzahl von k: Anteil, Kettenbruch, größter Teilnenner, Spektraltest,
Zaremba-Index und Lückenverhältnis. Nach dem Gütemaß (--nach guete) das
kleinste f_t über 2 bis T Dimensionen; mit --top werden Kandidaten verworfen,
sobald ein f_t unter dem T-ten Platz liegt. Nach harmonisch das Mittel H_T
der f_t, in dem f_t das Gewicht 1/(t − 1) hat; nach versatzguete das
kleinste M_T der Generatoren, die nur jeden 2. bis 8. Wert zeigen; die
Zahl steht dann in der letzten Spalte. --generator behält nur die
Multiplikatoren der längsten Periode. --teil I/P rangiert nur den I-ten von
P gleichen Teilen; zusammenfuehren fügt die Teile zur ganzen Rangliste.
2 ≤ N ≤ %1; über %2 nur mit --top, oder mit --von und --bis
über höchstens %3 Multiplikatoren. Mit --von und --bis
{N}, wenn dazwischen höchstens %4 Multiplikatoren liegen, mit --teil in
jedem Teil.
</source>
        <translation>Orders every multiplier k coprime to N by a figure, the best first; equal
values share their rank, and of equal values the smaller k comes first. The
default is the sum of the minimal distances. With it every figure of k:
share, continued fraction, largest partial quotient, spectral test, Zaremba
index and gap ratio. By the figure of merit (--by merit) the smallest f_t
over 2 to T dimensions; with --top candidates are dropped as soon as one f_t
falls below the T-th place. By harmonic the mean H_T of the f_t, in which f_t
weighs 1/(t − 1); by lagged the smallest M_T of the generators that show
only every 2nd to 8th value; the number is then in the last column.
--generator keeps only the multipliers of the longest period. --part I/P
ranks only the I-th of P equal parts; merge merges the parts into the whole
ranking.
2 ≤ N ≤ %1; above %2 only with --top, or with --from and --to
over at most %3 multipliers. With --from and --to
{N}, when at most %4 multipliers lie between them, with --part in
each part.
</translation>
    </message>
    <message>
        <source>der Spektraltest in %1 bis T Dimensionen, T von %1
bis %2 (Vorgabe %3)</source>
        <translation>the spectral test in %1 to T dimensions, T from %1
to %2 (default %3)</translation>
    </message>
    <message>
        <source>%1 %2: ein Teil darf höchstens %3 Multiplikatoren haben</source>
        <translation>%1 %2: a part may have at most %3 multipliers</translation>
    </message>
    <message>
        <source>%1 braucht die Primfaktoren von N = %2, doch zwei davon sind zu groß, um sie in vertretbarer Zeit zu finden</source>
        <translation>%1 needs the prime factors of N = %2, but two of them are too large to find in reasonable time</translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>Gezeichnet von Zyklar</source>
        <translation>Drawn by Zyklar</translation>
    </message>
    <message>
        <source>Das Bild ließ sich nicht erzeugen</source>
        <translation>The picture could not be made</translation>
    </message>
    <message>
        <source>Schritt %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Keine Berechtigung, dort zu schreiben</source>
        <translation>No permission to write there</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt</source>
        <translation>The disk is read-only</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>Den Ordner gibt es nicht</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>Unter diesem Namen gibt es einen Ordner</source>
        <translation>There is a folder by that name</translation>
    </message>
    <message>
        <source>Der Name ist zu lang</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben (%1)</source>
        <translation>Error while writing (%1)</translation>
    </message>
    <message>
        <source>Den Ordner „%1“ gibt es nicht</source>
        <translation>The folder “%1” does not exist</translation>
    </message>
</context>
<context>
    <name>form</name>
    <message>
        <source>%1. Schritt, weiter?</source>
        <extracomment>%1 is the step number with a blank before it, as the window writes numbers.</extracomment>
        <translation>Step%1, go on?</translation>
    </message>
</context>
<context>
    <name>numbers</name>
    <message>
        <source>Summe</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>die größte Summe der Minimalabstände zuerst</source>
        <translation>the largest sum of minimal distances first</translation>
    </message>
    <message>
        <source>Anteil</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Kettenbruch</source>
        <translation>Continued fraction</translation>
    </message>
    <message>
        <source>größter Teilnenner</source>
        <translation>Largest partial quotient</translation>
    </message>
    <message>
        <source>der kleinste größte Teilnenner zuerst</source>
        <translation>the smallest largest partial quotient first</translation>
    </message>
    <message>
        <source>Spektraltest</source>
        <translation>Spectral test</translation>
    </message>
    <message>
        <source>der beste Spektraltest zuerst</source>
        <translation>the best spectral test first</translation>
    </message>
    <message>
        <source>Spektraltest f₂</source>
        <translation>Spectral test f₂</translation>
    </message>
    <message>
        <source>Zaremba-Index</source>
        <translation>Zaremba index</translation>
    </message>
    <message>
        <source>der größte Zaremba-Index zuerst</source>
        <translation>the largest Zaremba index first</translation>
    </message>
    <message>
        <source>Lückenverhältnis</source>
        <translation>Gap ratio</translation>
    </message>
    <message>
        <source>das kleinste Lückenverhältnis zuerst</source>
        <translation>the smallest gap ratio first</translation>
    </message>
    <message>
        <source>Gütemaß M</source>
        <translation>Merit M</translation>
    </message>
    <message>
        <source>Gütemaß M₈</source>
        <translation>Merit M₈</translation>
    </message>
    <message>
        <source>das größte Gütemaß zuerst</source>
        <translation>the largest figure of merit first</translation>
    </message>
    <message>
        <source>harmonisch H</source>
        <translation>harmonic H</translation>
    </message>
    <message>
        <source>Versatzgüte</source>
        <translation>lagged</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Suchen in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Dateityp:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
</TS>
