<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>Questi calcoli sono validi solo finché la pressione a valle della valvola non scende sotto il 53% della pressione di esercizio iniziale</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation>Il risultato è troppo grande per essere calcolato. Nessun risultato è stato modificato.</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>Con questi valori il calcolo dovrebbe dividere per zero. Nessun risultato è stato modificato.</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>Con questi valori il calcolo dovrebbe estrarre la radice quadrata di un numero negativo. Nessun risultato è stato modificato.</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>Il calcolo non è riuscito: %1. Nessun risultato è stato modificato.</translation>
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
        <translation>Calcola</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>Il valore di «%1» nel calcolo «%2» è troppo grande per essere calcolato nel sistema %3. Non è stato modificato nulla: la finestra resta nel sistema %4.</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>Con un coefficiente di sicurezza inferiore a 1 la superficie risulta più piccola di quanto richieda la forza.</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>Nessun alesaggio normalizzato è così grande.</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>Il valore di «%1» deve essere compreso tra %2 e %3. Nessun risultato è stato modificato.</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>Il diametro dello stelo raggiunge l’alesaggio: non c’è forza di trazione.</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>Esclusione di responsabilità</translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation>%1, scorrimento verticale</translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation>%1, scorrimento orizzontale</translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation>Questo programma è fornito esclusivamente come ausilio orientativo. Il suo contenuto è fornito «così com’è», senza garanzie di alcun tipo, incluse, a titolo esemplificativo ma non esaustivo, le garanzie implicite di commerciabilità o di idoneità a uno scopo particolare. Mettendo a disposizione il programma, Corvane non si assume alcuna responsabilità qualora il programma produca risultati diversi da quelli previsti da Corvane o il suo funzionamento si riveli in qualsiasi modo difettoso. Corvane si riserva il diritto di migliorare, aggiornare o modificare in altro modo il programma in qualsiasi momento e senza preavviso. Tutti i calcoli devono essere verificati e approvati da uno specialista certificato in pneumatica.</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 interpretato come %2.</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>vuoto; impostato a 0.</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 è troppo grande; impostato a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>«%1» qui non è un numero, perché il separatore decimale è «%2»; impostato a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>«%1» non è un numero; impostato a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>«%1» letto come %2.</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 è troppo piccolo; impostato a 0.</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>Pressione di esercizio</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>Forza richiesta</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Coefficiente di sicurezza</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>Superficie del pistone richiesta</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>Alesaggio minimo</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>Alesaggio normalizzato</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>Il più piccolo alesaggio normalizzato (NFPA in pollici, ISO 3320 in mm) che dà almeno la superficie del pistone richiesta</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Forza di spinta</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>La forza di spinta dell’alesaggio normalizzato a questa pressione di esercizio</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>Alesaggio</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>Diametro dello stelo</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>Forza (spinta)</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>Forza (trazione)</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>Lunghezza di carico di punta</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>La distanza tra i due punti di fissaggio con lo stelo completamente esteso</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>Modulo di elasticità</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>Il modulo di elasticità del materiale dello stelo (predefinito: acciaio)</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>Carico di snervamento</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>Il carico di snervamento del materiale dello stelo (predefinito: acciaio)</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>Divide il carico critico; di solito da 3 a 5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>Carico critico di punta</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>Forza ammissibile</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Lunghezza massima di carico di punta</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>Diametro minimo dello stelo</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>Caduta di pressione</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>Corsa</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>Numero di cilindri</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>Coefficiente di portata della valvola</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>Il coefficiente di portata della valvola secondo il suo catalogo: Cv in unità imperiali, Kv in unità metriche</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>Portata istantanea</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>La portata che attraversa la valvola durante la corsa dei cilindri</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Tempo di corsa</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>La durata di una corsa</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>Velocità del pistone</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>La velocità media del pistone lungo la corsa</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>Frequenza di ciclo</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>Cicli completi (uscita e rientro dello stelo) che ogni cilindro compie al minuto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume spazzato</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Portata totale</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>Consumo d’aria</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>Aria libera consumata dal gruppo al minuto: il volume di entrambe le corse a piena sezione del pistone, riempito alla pressione di esercizio (il volume dello stelo non viene sottratto, a favore della sicurezza)</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>Consumo totale</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>Totale progressivo del consumo d’aria dei gruppi aggiunti con «Somma»: ciò che il compressore deve fornire</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>il testo superava i %1 caratteri che un campo può contenere; la parte in eccesso è stata tagliata.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>&amp;Salva rapporto come PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copia risultati</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensioni reali</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>Sito &amp;web di Corvane</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>&amp;Informazioni su Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>Alesaggio del cilindro</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>Forza del cilindro</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avvertenze</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>«%1» non contiene un numero. Nessun risultato è stato modificato.</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>Carico di punta</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Tempo di corsa</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>Portata della valvola</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salva rapporto come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>Totali dell’impianto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>Dati modificati dopo l’ultimo calcolo: premere «Calcola» prima di fare affidamento su questi risultati.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Impossibile salvare il rapporto come %1: %2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>Rapporto salvato come %1.</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>I risultati sono negli appunti.</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>Impossibile stampare il rapporto: non è stato possibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>Non ancora calcolato</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
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
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation>pollici²</translation>
    </message>
    <message>
        <source>Sq. mm</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
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
        <translation>Portata</translation>
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
        <translation>Volume</translation>
    </message>
    <message>
        <source>Cubic Inch.</source>
        <translation>pollici³</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>Coefficiente di portata</translation>
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
        <translation>Cv</translation>
    </message>
    <message>
        <source>kV Factor</source>
        <translation>Kv</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>pollici/s</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>al minuto</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Coefficiente</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>imperiale</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>metrico</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Impossibile disegnare la pagina.</translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation>Incastrato – libero</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation>Caso di Eulero 1: incastrato a un’estremità, estremità dello stelo libera e non guidata; ad esempio fissaggio a flangia o a piedini che spinge un carico libero di spostarsi lateralmente</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>Incernierato – incernierato</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>Caso di Eulero 2: incernierato a entrambe le estremità; ad esempio fissaggio a cerniera o a perni oscillanti, con forcella sullo stelo</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>Incastrato – incernierato</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>Caso di Eulero 3: incastrato a un’estremità, estremità dello stelo incernierata e guidata; ad esempio fissaggio a flangia o a piedini, con forcella sullo stelo</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>Incastrato – incastrato</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>Caso di Eulero 4: incastrato a entrambe le estremità; ad esempio fissaggio a flangia o a piedini, con l’estremità dello stelo solidale a un carico guidato</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>Inserire il diametro dello stelo.</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>Il coefficiente di sicurezza deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>Inserire il modulo di elasticità e il carico di snervamento del materiale dello stelo.</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Tipo di fissaggio</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>Stelo snello: carico critico secondo Eulero.</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>Stelo tozzo: carico critico secondo Johnson.</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>La forza di spinta supera la forza ammissibile: lo stelo rischia di sbandare.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 nessun valore</translation>
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
        <translation>Inserire l’alesaggio e la corsa.</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>Senza caduta di pressione la valvola non lascia passare aria.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La caduta di pressione è pari o superiore alla pressione di esercizio assoluta.</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>Inserire il coefficiente di portata della valvola.</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>Inserire il numero di cilindri.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>Tempo di corsa e velocità del pistone con questa valvola</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>La pressione a valle della valvola è inferiore al 53% della pressione di esercizio, fuori dal campo in cui vale questa formula di portata; il tempo di corsa è solo una stima.</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>Passaggio al sistema %1: tutti i valori sono stati convertiti.</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>Il valore di «%1» nel calcolo «%2» è troppo grande per essere convertito nel sistema %3. Non è stato modificato nulla: la finestra resta nel sistema %4.</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>Aggiunge portata e consumo d’aria alla portata totale e al consumo totale dell’impianto</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>Azzera totali</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>Riporta a 0 la portata totale e il consumo totale dell’impianto</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>Coefficiente di portata ora espresso come %1.</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>Coefficiente di portata ora espresso come %1: %2.</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>La portata totale sarebbe troppo grande per essere visualizzata. Il totale non è stato modificato.</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>Il consumo totale sarebbe troppo grande per essere visualizzato. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La caduta di pressione è pari o superiore alla pressione di esercizio assoluta.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>La caduta di pressione è pari o superiore alla pressione di esercizio: non resta pressione per muovere il cilindro.</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiali</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metriche</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Calcoli</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Sito web di Corvane</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>Apre %1 nel browser web</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>Vi invitiamo a visitare il nostro sito web: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Dimensiona cilindri pneumatici e le valvole che li alimentano.&lt;/p&gt;&lt;p&gt;Distribuito con licenza MIT (vedere il file LICENSE fornito con il programma).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>Informazioni su Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Il plugin di piattaforma di Qt: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>Dove cercare i plugin di piattaforma di Qt.</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>Il tema di piattaforma di Qt.</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>Un plugin di Qt aggiuntivo da caricare, ad esempio evdevtouch.</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>Dimensioni e posizione della finestra, ad esempio 640x480+0+0.</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>Il titolo della finestra.</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>L’icona della finestra.</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>Dispone la finestra da destra a sinistra.</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>Ripristina la sessione indicata.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>Lo stile dei widget: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>Un foglio di stile Qt per i widget.</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>Stampa alla fine quanti widget sono rimasti.</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>Opzioni del debugger QML.</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11: il display da aprire, ad esempio :0.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11: come -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11: come -qwindowtitle.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11: come -qwindowicon.</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11: il nome di risorsa della finestra.</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11: il visual usato dalla finestra.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11: non cattura mai il mouse né la tastiera.</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11: cattura anche sotto un debugger.</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>Dimensiona cilindri pneumatici e le valvole che li alimentano: alesaggio del cilindro, forza del cilindro e portata della valvola, in unità imperiali o metriche.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>Non esiste una traduzione per la lingua %1; il programma funziona in inglese.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Lingua sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Vedere --help.</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>impossibile aprire un display: DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>impossibile avviare il sistema di finestre: %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>non è stato possibile avviare alcun plugin di piattaforma di Qt</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>La lingua della finestra per questa esecuzione: %1. Va bene anche il nome di un’impostazione locale (it_IT, it-IT). Senza questa opzione, la lingua del desktop.</translation>
    </message>
</context>
</TS>
