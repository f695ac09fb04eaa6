<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>Diese Berechnungen gelten nur, solange der Druck hinter dem Ventil nicht unter 53 % des anfänglichen Betriebsdrucks abfällt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation>Das Ergebnis ist zu groß, um es zu berechnen. Es wurde kein Ergebnis geändert.</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>Mit diesen Werten müsste die Berechnung durch null teilen. Es wurde kein Ergebnis geändert.</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>Mit diesen Werten müsste die Berechnung die Wurzel aus einer negativen Zahl ziehen. Es wurde kein Ergebnis geändert.</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>Die Berechnung ist fehlgeschlagen: %1. Es wurde kein Ergebnis geändert.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the results a screen reader is told</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CylinderBorePanel</name>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>Der Wert in „%1“ im Rechner „%2“ ist zu groß, um ihn im Einheitensystem „%3“ zu berechnen. Es wurde nichts geändert: Das Fenster bleibt im Einheitensystem „%4“.</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>Mit einem Sicherheitsfaktor unter 1 wird die Kolbenfläche kleiner, als die Kraft erfordert.</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>Kein Norm-Kolbendurchmesser ist so groß.</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>„%1“ muss zwischen %2 und %3 liegen. Es wurde kein Ergebnis geändert.</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>Die Kolbenstange ist so dick wie der Kolben: Es gibt keine Rücklaufkraft.</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>Rechtlicher Hinweis</translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation>%1 vertikal</translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation>%1 horizontal</translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation>Dieses Programm dient ausschließlich als Hilfsmittel. Sein Inhalt wird „wie besehen“ bereitgestellt, ohne Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf die stillschweigende Gewährleistung der Marktgängigkeit oder der Eignung für einen bestimmten Zweck. Mit der Bereitstellung des Programms übernimmt Corvane keine Haftung dafür, dass das Programm andere als die von Corvane beabsichtigten Ergebnisse liefert oder in irgendeiner Weise fehlerhaft arbeitet. Corvane behält sich das Recht vor, das Programm jederzeit ohne Ankündigung zu verbessern, zu aktualisieren oder anderweitig zu ändern. Alle Berechnungen sollten von einer zertifizierten Pneumatik-Fachkraft geprüft und freigegeben werden.</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 gelesen als %2.</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>leer; auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 ist zu groß; auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>„%1“ ist hier keine Zahl, das Dezimaltrennzeichen ist „%2“; auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>„%1“ ist keine Zahl; auf 0 gesetzt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>„%1“ gelesen als %2.</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 ist zu klein; auf 0 gesetzt.</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>Betriebsdruck</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>Erforderliche Kraft</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Sicherheitsfaktor</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>Erforderliche Kolbenfläche</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>Mindest-Kolbendurchmesser</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>Norm-Kolbendurchmesser</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>Der kleinste Norm-Kolbendurchmesser (NFPA in Zoll, ISO 3320 in mm), der mindestens die erforderliche Kolbenfläche ergibt</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Vorlaufkraft</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>Die Vorlaufkraft des Norm-Kolbendurchmessers bei diesem Betriebsdruck</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>Kolbendurchmesser</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>Kolbenstangendurchmesser</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>Kraft (Vorlauf)</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>Kraft (Rücklauf)</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>Knicklänge</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>Der Abstand zwischen den beiden Befestigungspunkten bei ganz ausgefahrener Kolbenstange</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>Elastizitätsmodul</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>Der Elastizitätsmodul des Kolbenstangenwerkstoffs (voreingestellt: Stahl)</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>Streckgrenze</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>Die Streckgrenze des Kolbenstangenwerkstoffs (voreingestellt: Stahl)</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>Die Knicklast wird durch ihn geteilt; üblich sind 3 bis 5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>Knicklast</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>Zulässige Kraft</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maximale Knicklänge</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>Mindest-Kolbenstangendurchmesser</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>Druckabfall</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>Anzahl Zylinder</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>Durchflusskoeffizient des Ventils</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>Der Durchflusskoeffizient des Ventils laut Katalog: Cv bei imperialen Einheiten, Kv bei metrischen</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>Momentaner Durchfluss</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>Der Durchfluss durch das Ventil, während die Zylinder ihren Hub ausführen</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Hubzeit</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>Die Dauer eines Hubs</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>Kolbengeschwindigkeit</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>Die mittlere Kolbengeschwindigkeit über den Hub</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>Arbeitsspiele</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>Vollständige Arbeitsspiele (Aus- und Einfahren), die jeder Zylinder pro Minute ausführt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Hubvolumen</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Gesamtdurchfluss</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>Luftverbrauch</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>Freie Luft (Normvolumen), die die Gruppe pro Minute verbraucht: beide Hübe mit voller Kolbenfläche, auf den Betriebsdruck gefüllt (das Volumen der Kolbenstange wird nicht abgezogen; das liegt auf der sicheren Seite)</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>Gesamtluftverbrauch</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>Laufende Summe des Luftverbrauchs aller mit „Aufsummieren“ hinzugefügten Gruppen: was der Kompressor liefern muss</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>Der Text war länger als die %1 Zeichen, die ein Feld aufnimmt; der Rest wurde abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>Bericht als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>Ergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>Corvane-&amp;Website</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>&amp;Über Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>Zylinderdurchmesser</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>Zylinderkraft</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>„%1“ enthält keine Zahl. Es wurde kein Ergebnis geändert.</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>Knicksicherheit</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Hubzeit</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>Ventildurchfluss</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>Summen der Anlage</translation>
    </message>
    <message>
        <source>none</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>Eingaben nach der letzten Berechnung geändert: Klicken Sie auf „Berechnen“, bevor Sie sich auf diese Ergebnisse verlassen.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>Bericht gespeichert als %1.</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>Die Ergebnisse sind in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>Der Bericht konnte nicht gedruckt werden: Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>Noch nicht berechnet</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>lbf</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Sq. mm</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>° F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>° c</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>SCFM</source>
        <translation>SCFM</translation>
    </message>
    <message>
        <source>L/min</source>
        <translation>Nl/min</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Cubic Inch.</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>Durchflusskoeffizient</translation>
    </message>
    <message>
        <source>Cv</source>
        <translation>Cv</translation>
    </message>
    <message>
        <source>Kv</source>
        <translation>Kv</translation>
    </message>
    <message>
        <source>CV Factor</source>
        <translation>Cv-Wert</translation>
    </message>
    <message>
        <source>kV Factor</source>
        <translation>Kv-Wert</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>Zoll/s</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>pro Minute</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>metrisch</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Die Seite konnte nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation>Eingespannt – frei</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation>Euler-Fall 1: an einem Ende starr befestigt, Stangenende frei und ungeführt; etwa Flansch- oder Fußbefestigung, die eine seitlich bewegliche Last schiebt</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>Gelenkig – gelenkig</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>Euler-Fall 2: an beiden Enden gelenkig gelagert; etwa Schwenkbefestigung mit Gabel oder Schwenkzapfen und Gabelkopf an der Kolbenstange</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>Eingespannt – gelenkig</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>Euler-Fall 3: an einem Ende starr befestigt, Stangenende gelenkig und geführt; etwa Flansch- oder Fußbefestigung mit Gabelkopf an der Kolbenstange</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>Eingespannt – eingespannt</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>Euler-Fall 4: an beiden Enden starr; etwa Flansch- oder Fußbefestigung, das Stangenende fest mit einer geführten Last verbunden</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>Geben Sie den Kolbenstangendurchmesser ein.</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>Der Sicherheitsfaktor muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>Geben Sie Elastizitätsmodul und Streckgrenze des Kolbenstangenwerkstoffs ein.</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Einbaufall</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>Schlanke Kolbenstange: Knicklast nach Euler.</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>Gedrungene Kolbenstange: Knicklast nach Johnson.</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>Die Vorlaufkraft liegt über der zulässigen Kraft: Die Kolbenstange kann ausknicken.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 kein Wert</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>StrokeTimePanel</name>
    <message>
        <source>Type the bore and the stroke length.</source>
        <translation>Geben Sie Kolbendurchmesser und Hub ein.</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>Ohne Druckabfall strömt keine Luft durch das Ventil.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>Der Druckabfall ist mindestens so groß wie der absolute Betriebsdruck.</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>Geben Sie den Durchflusskoeffizienten des Ventils ein.</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>Geben Sie die Anzahl der Zylinder ein.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>Hubzeit und Kolbengeschwindigkeit mit diesem Ventil</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>Der Druck hinter dem Ventil liegt unter 53 % des Betriebsdrucks und damit außerhalb des Bereichs, in dem diese Durchflussformel gilt; die Hubzeit ist nur ein Schätzwert.</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>Einheitensystem jetzt „%1“; alle Werte wurden umgerechnet.</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>Der Wert in „%1“ im Rechner „%2“ ist zu groß, um ihn in das Einheitensystem „%3“ umzurechnen. Es wurde nichts geändert: Das Fenster bleibt im Einheitensystem „%4“.</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Aufsummieren</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>Addiert Durchfluss und Luftverbrauch zum Gesamtdurchfluss und zum Gesamtluftverbrauch der Anlage</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>Summen zurücksetzen</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>Setzt Gesamtdurchfluss und Gesamtluftverbrauch der Anlage auf 0 zurück</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>Durchflusskoeffizient jetzt als %1 angezeigt.</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>Durchflusskoeffizient jetzt als %1 angezeigt: %2.</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>Der Gesamtdurchfluss würde zu groß für die Anzeige. Die Summe wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>Der Gesamtluftverbrauch würde zu groß für die Anzeige. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>Der Druckabfall ist mindestens so groß wie der absolute Betriebsdruck.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>Der Druckabfall ist mindestens so groß wie der Betriebsdruck: Es bleibt kein Druck, der den Zylinder bewegt.</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Corvane-Website</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>Öffnet %1 im Webbrowser</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>Besuchen Sie unsere Website: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Legt Pneumatikzylinder und die Ventile aus, die sie versorgen.&lt;/p&gt;&lt;p&gt;Veröffentlicht unter der MIT-Lizenz (siehe die mitgelieferte Datei LICENSE).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>Über Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Das Qt-Plattform-Plugin: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>Wo nach Qt-Plattform-Plugins gesucht wird.</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>Das Qt-Plattform-Design.</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>Ein zusätzlich zu ladendes Qt-Plugin, etwa evdevtouch.</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>Größe und Position des Fensters, etwa 640x480+0+0.</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>Der Titel des Fensters.</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>Das Symbol des Fensters.</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>Stellt die angegebene Sitzung wieder her.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>Der Widget-Stil: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>Ein Qt-Stylesheet für die Widgets.</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>Gibt am Ende aus, wie viele Widgets übrig geblieben sind.</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>Optionen des QML-Debuggers.</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11: das zu öffnende Display, etwa :0.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11: dasselbe wie -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11: dasselbe wie -qwindowtitle.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11: dasselbe wie -qwindowicon.</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11: der Ressourcenname des Fensters.</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11: das Visual, das das Fenster verwendet.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11: belegt Maus und Tastatur nie exklusiv.</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11: belegt sie auch unter einem Debugger exklusiv.</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>Legt Pneumatikzylinder und die Ventile aus, die sie versorgen: Kolbendurchmesser, Zylinderkraft und Ventildurchfluss, in imperialen oder metrischen Einheiten.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>Es gibt keine Übersetzung für %1; das Programm läuft auf Englisch.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Unbekannte Sprache „%1“.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Siehe --help.</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>Display %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>kein Display zu öffnen: DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>das Fenstersystem lässt sich nicht starten: %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>kein Qt-Plattform-Plugin ließ sich starten</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>Die Sprache des Fensters für diesen Aufruf: %1. Ein Locale-Name geht ebenso (de_DE, de-DE). Ohne diese Option die Sprache des Desktops.</translation>
    </message>
</context>
</TS>
