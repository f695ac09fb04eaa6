<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>Ces calculs ne sont valables que si la pression en aval du distributeur reste au moins égale à 53&#xa0;% de la pression de service initiale</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation>Le résultat est trop grand pour être calculé. Aucun résultat n’a été modifié.</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>Avec ces valeurs, le calcul devrait diviser par zéro. Aucun résultat n’a été modifié.</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>Avec ces valeurs, le calcul devrait extraire la racine carrée d’un nombre négatif. Aucun résultat n’a été modifié.</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>Le calcul a échoué&#xa0;: %1. Aucun résultat n’a été modifié.</translation>
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
        <translation>Calculer</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» dans le calcul «&#xa0;%2&#xa0;» est trop grande pour être calculée dans le système %3. Rien n’a été modifié&#xa0;: la fenêtre reste dans le système %4.</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>Avec un coefficient de sécurité inférieur à 1, la surface obtenue est plus petite que celle qu’exige la force.</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>Aucun alésage normalisé n’est aussi grand.</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» doit être comprise entre %2 et %3. Aucun résultat n’a été modifié.</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>Le diamètre de tige atteint l’alésage&#xa0;: il n’y a aucune force en traction.</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>Clause de non-responsabilité</translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation>%1, défilement vertical</translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation>%1, défilement horizontal</translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation>Ce programme est fourni uniquement à titre indicatif. Son contenu est fourni «&#xa0;en l’état&#xa0;», sans garantie d’aucune sorte, expresse ou implicite, y compris, sans s’y limiter, les garanties implicites de qualité marchande ou d’adéquation à un usage particulier. En mettant ce programme à disposition, Corvane n’assume aucune responsabilité si le programme produit des résultats autres que ceux prévus par Corvane ou si son fonctionnement s’avère défectueux de quelque manière que ce soit. Corvane se réserve le droit d’améliorer, de mettre à jour ou de modifier de toute autre manière le programme à tout moment et sans préavis. Tous les calculs doivent être vérifiés et approuvés par un spécialiste certifié en pneumatique.</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 interprété comme %2.</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>vide&#xa0;; mis à 0.</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 est trop grand&#xa0;; mis à 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre ici, le séparateur décimal étant «&#xa0;%2&#xa0;»&#xa0;; mis à 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre&#xa0;; mis à 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>«&#xa0;%1&#xa0;» lu comme %2.</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 est trop petit&#xa0;; mis à 0.</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>Pression de service</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>Force requise</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Coefficient de sécurité</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>Surface de piston requise</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>Alésage minimal</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>Alésage normalisé</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>Le plus petit alésage normalisé (NFPA en pouces, ISO 3320 en mm) qui donne au moins la surface de piston requise</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Force en poussée</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>La force en poussée de l’alésage normalisé à cette pression de service</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>Alésage</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>Diamètre de tige</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>Force (poussée)</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>Force (traction)</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>Longueur de flambage</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>La distance entre les deux points de fixation, tige entièrement sortie</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>Module d’élasticité</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>Le module d’élasticité du matériau de la tige (acier par défaut)</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>Limite d’élasticité</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>La limite d’élasticité du matériau de la tige (acier par défaut)</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>Divise la charge de flambage&#xa0;; on prend couramment 3 à 5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>Charge de flambage</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>Force admissible</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longueur de flambage maximale</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>Diamètre de tige minimal</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>Chute de pression</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>Température ambiante</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>Nombre de vérins</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>Coefficient de débit du distributeur</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>Le coefficient de débit du distributeur selon son catalogue&#xa0;: Cv en unités impériales, Kv en unités métriques</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>Débit instantané</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>Le débit qui traverse le distributeur pendant la course des vérins</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Temps de course</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>La durée d’une course</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>Vitesse du piston</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>La vitesse moyenne du piston sur la course</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>Cycles complets (sortie et rentrée de la tige) effectués par chaque vérin en une minute</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume balayé</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Débit total</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>Consommation d’air</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>Air libre consommé par le groupe en une minute&#xa0;: le volume des deux courses à pleine section de piston, rempli à la pression de service (le volume de la tige n’est pas déduit, ce qui va dans le sens de la sécurité)</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>Consommation totale</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>Total cumulé de la consommation d’air des groupes ajoutés avec «&#xa0;Cumuler&#xa0;»&#xa0;: ce que le compresseur doit fournir</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>le texte dépassait les %1 caractères que peut contenir un champ&#xa0;; le reste a été coupé.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>&amp;Enregistrer le rapport en PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copier les résultats</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>&amp;Site web de Corvane</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>À &amp;propos de Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>Alésage du vérin</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>Force du vérin</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient pas de nombre. Aucun résultat n’a été modifié.</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>Flambage de la tige</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Temps de course</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>Débit du distributeur</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>Totaux de l’installation</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>Données modifiées après le dernier calcul&#xa0;: cliquez sur «&#xa0;Calculer&#xa0;» avant de vous fier à ces résultats.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>Le rapport n’a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>Rapport enregistré sous %1.</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>Les résultats sont dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>Le rapport n’a pas pu être imprimé&#xa0;: impossible de démarrer l’imprimante.</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>Pas encore calculé</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
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
        <translation>Force</translation>
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
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation>pouces²</translation>
    </message>
    <message>
        <source>Sq. mm</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
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
        <translation>Débit</translation>
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
        <translation>pouces³</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>Coefficient de débit</translation>
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
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>pouces/s</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Contrainte</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>par minute</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>impérial</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>métrique</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n’a pas pu être générée.</translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation>Encastré – libre</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation>Cas d’Euler 1&#xa0;: encastré à une extrémité, extrémité de tige libre et non guidée&#xa0;; par exemple fixation par bride ou par pattes poussant une charge qui peut se déplacer latéralement</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>Articulé – articulé</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>Cas d’Euler 2&#xa0;: articulé aux deux extrémités&#xa0;; par exemple fixation par chape ou par tourillon, avec chape de tige</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>Encastré – articulé</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>Cas d’Euler 3&#xa0;: encastré à une extrémité, extrémité de tige articulée et guidée&#xa0;; par exemple fixation par bride ou par pattes, avec chape de tige</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>Encastré – encastré</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>Cas d’Euler 4&#xa0;: encastré aux deux extrémités&#xa0;; par exemple fixation par bride ou par pattes, extrémité de tige solidaire d’une charge guidée</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>Saisissez le diamètre de tige.</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>Le coefficient de sécurité doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>Saisissez le module d’élasticité et la limite d’élasticité du matériau de la tige.</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Mode de fixation</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>Tige élancée&#xa0;: charge de flambage selon Euler.</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>Tige trapue&#xa0;: charge de flambage selon Johnson.</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>La force en poussée dépasse la force admissible&#xa0;: la tige risque de flamber.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 aucune valeur</translation>
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
        <translation>Saisissez l’alésage et la course.</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>Sans chute de pression, aucun air ne traverse le distributeur.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La chute de pression atteint ou dépasse la pression de service absolue.</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>Saisissez le coefficient de débit du distributeur.</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>Saisissez le nombre de vérins.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>Temps de course et vitesse du piston avec ce distributeur</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>La pression en aval du distributeur est inférieure à 53&#xa0;% de la pression de service, hors du domaine où cette formule de débit est valable&#xa0;; le temps de course n’est qu’une estimation.</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>Passage au système %1&#xa0;: toutes les valeurs ont été converties.</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>La valeur de «&#xa0;%1&#xa0;» dans le calcul «&#xa0;%2&#xa0;» est trop grande pour être convertie dans le système %3. Rien n’a été modifié&#xa0;: la fenêtre reste dans le système %4.</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Cumuler</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>Ajoute le débit et la consommation d’air au débit total et à la consommation totale de l’installation</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>Remet à 0 le débit total et la consommation totale de l’installation</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>Coefficient de débit désormais affiché en %1.</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>Coefficient de débit désormais affiché en %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>Le débit total deviendrait trop grand pour être affiché. Le total n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>La consommation totale deviendrait trop grande pour être affichée. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La chute de pression atteint ou dépasse la pression de service absolue.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>La chute de pression atteint ou dépasse la pression de service&#xa0;: il ne reste aucune pression pour déplacer le vérin.</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impériales</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Site web de Corvane</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>Ouvre %1 dans votre navigateur web</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>Rendez-vous sur notre site web&#xa0;: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Dimensionne les vérins pneumatiques et les distributeurs qui les alimentent.&lt;/p&gt;&lt;p&gt;Publié sous la licence MIT (voir le fichier LICENSE fourni avec le programme).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>À propos de Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Le plugin de plateforme Qt&#xa0;: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>Où chercher les plugins de plateforme Qt.</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>Le thème de plateforme Qt.</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>Un plugin Qt supplémentaire à charger, par exemple evdevtouch.</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>Taille et position de la fenêtre, par exemple 640x480+0+0.</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>Le titre de la fenêtre.</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>L’icône de la fenêtre.</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>Dispose la fenêtre de droite à gauche.</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>Restaure la session indiquée.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>Le style des widgets&#xa0;: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>Une feuille de style Qt pour les widgets.</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>Affiche à la fin le nombre de widgets restants.</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>Options du débogueur QML.</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11&#xa0;: l’affichage à ouvrir, par exemple :0.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11&#xa0;: identique à -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11&#xa0;: identique à -qwindowtitle.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11&#xa0;: identique à -qwindowicon.</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11&#xa0;: le nom de ressource de la fenêtre.</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11&#xa0;: le visuel qu’utilise la fenêtre.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11&#xa0;: ne capture jamais la souris ni le clavier.</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11&#xa0;: capture même sous un débogueur.</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>Dimensionne les vérins pneumatiques et les distributeurs qui les alimentent&#xa0;: alésage du vérin, force du vérin et débit du distributeur, en unités impériales ou métriques.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>Aucune traduction pour la langue %1&#xa0;; le programme s’exécute en anglais.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Langue inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Voir --help.</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>impossible d’ouvrir l’affichage %1</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>impossible d’ouvrir un affichage&#xa0;: DISPLAY n’est pas défini</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>impossible de démarrer le système de fenêtrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>aucun plugin de plateforme Qt n’a pu être démarré</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>La langue de la fenêtre pour cette exécution&#xa0;: %1. Un nom de locale convient aussi (fr_FR, fr-FR). Sans cette option, la langue du bureau.</translation>
    </message>
</context>
</TS>
