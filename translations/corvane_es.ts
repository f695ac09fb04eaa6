<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>Estos cálculos solo son válidos mientras la presión aguas abajo de la válvula no baje del 53 % de la presión de trabajo inicial</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation>El resultado es demasiado grande para calcularlo. No se ha modificado ningún resultado.</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>Con estos valores, el cálculo tendría que dividir por cero. No se ha modificado ningún resultado.</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>Con estos valores, el cálculo tendría que extraer la raíz cuadrada de un número negativo. No se ha modificado ningún resultado.</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>El cálculo ha fallado: %1. No se ha modificado ningún resultado.</translation>
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
        <translation>Calcular</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>El valor de «%1» en el cálculo «%2» es demasiado grande para calcularlo en el sistema %3. No se ha modificado nada: la ventana sigue en el sistema %4.</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>Con un factor de seguridad menor que 1, la superficie resulta menor de lo que exige la fuerza.</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>Ningún diámetro normalizado es tan grande.</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>El valor de «%1» debe estar entre %2 y %3. No se ha modificado ningún resultado.</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>El diámetro del vástago alcanza el del émbolo: no hay fuerza de retroceso.</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>Exención de responsabilidad</translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation>%1, desplazamiento vertical</translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation>%1, desplazamiento horizontal</translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation>Este programa se ofrece únicamente como orientación. Su contenido se proporciona «tal cual», sin garantía de ningún tipo, incluidas, entre otras, las garantías implícitas de comerciabilidad o de idoneidad para un fin determinado. Al ofrecer este programa, Corvane no asume responsabilidad alguna en caso de que el programa produzca resultados distintos de los previstos por Corvane o de que su funcionamiento resulte defectuoso de cualquier modo. Corvane se reserva el derecho de mejorar, actualizar o modificar de otro modo el programa en cualquier momento y sin previo aviso. Todos los cálculos deben ser revisados y aprobados por un especialista certificado en neumática.</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 interpretado como %2.</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>vacío; se ha puesto a 0.</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 es demasiado grande; se ha puesto a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>«%1» no es un número aquí, donde el separador decimal es «%2»; se ha puesto a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>«%1» no es un número; se ha puesto a 0.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>«%1» leído como %2.</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 es demasiado pequeño; se ha puesto a 0.</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>Presión de trabajo</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>Fuerza necesaria</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>Factor de seguridad</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>Superficie necesaria del émbolo</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>Diámetro mínimo del émbolo</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>Diámetro normalizado</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>El menor diámetro de émbolo normalizado (NFPA en pulgadas, ISO 3320 en mm) que da al menos la superficie necesaria</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Fuerza de avance</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>La fuerza de avance del diámetro normalizado a esta presión de trabajo</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>Diámetro del émbolo</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>Diámetro del vástago</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>Fuerza (avance)</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>Fuerza (retroceso)</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>Longitud de pandeo</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>La distancia entre los dos puntos de fijación con el vástago totalmente extendido</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>Módulo de elasticidad</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>El módulo de elasticidad del material del vástago (acero por defecto)</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>Límite elástico</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>El límite elástico del material del vástago (acero por defecto)</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>Divide la carga de pandeo; lo habitual es de 3 a 5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>Carga de pandeo</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>Fuerza admisible</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longitud de pandeo máxima</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>Diámetro mínimo del vástago</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>Caída de presión</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>Número de cilindros</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>Coeficiente de caudal de la válvula</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>El coeficiente de caudal de la válvula según su catálogo: Cv en unidades imperiales, Kv en métricas</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>Caudal instantáneo</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>El caudal que atraviesa la válvula mientras los cilindros realizan su carrera</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Tiempo de carrera</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>La duración de una carrera</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>Velocidad del émbolo</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>La velocidad media del émbolo a lo largo de la carrera</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>Frecuencia de ciclo</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>Ciclos completos (avance y retroceso) que realiza cada cilindro por minuto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen desplazado</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Caudal total</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>Consumo de aire</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>Aire libre que consume el grupo por minuto: el volumen de ambas carreras con toda la sección del émbolo, lleno a la presión de trabajo (no se resta el volumen del vástago, lo que queda del lado de la seguridad)</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>Consumo total</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>Total acumulado del consumo de aire de los grupos añadidos con «Acumular»: lo que debe suministrar el compresor</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>el texto superaba los %1 caracteres que admite un campo; se ha cortado el resto.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>&amp;Guardar informe como PDF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>&amp;Copiar resultados</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>Sitio &amp;web de Corvane</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>&amp;Acerca de Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>Diámetro del cilindro</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>Fuerza del cilindro</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>«%1» no contiene un número. No se ha modificado ningún resultado.</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>Pandeo del vástago</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>Tiempo de carrera</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>Caudal de la válvula</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>Totales de la instalación</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>Datos modificados después del último cálculo: pulse «Calcular» antes de fiarse de estos resultados.</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>No se ha podido guardar el informe como %1: %2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>Informe guardado como %1.</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>Los resultados están en el portapapeles.</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>No se ha podido imprimir el informe: no se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>Todavía sin calcular</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
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
        <translation>Fuerza</translation>
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
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>pulgadas</translation>
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
        <translation>pulgadas²</translation>
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
        <translation>Caudal</translation>
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
        <translation>pulgadas³</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>Coeficiente de caudal</translation>
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
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>pulgadas/s</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>por minuto</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>métrico</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>No se ha podido dibujar la página.</translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation>Empotrado – libre</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation>Caso de Euler 1: empotrado en un extremo, extremo del vástago libre y sin guiar; por ejemplo, fijación por brida o por escuadras que empuja una carga que puede desplazarse lateralmente</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>Articulado – articulado</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>Caso de Euler 2: articulado en ambos extremos; por ejemplo, fijación basculante por horquilla o por muñones, con horquilla en el vástago</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>Empotrado – articulado</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>Caso de Euler 3: empotrado en un extremo, extremo del vástago articulado y guiado; por ejemplo, fijación por brida o por escuadras, con horquilla en el vástago</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>Empotrado – empotrado</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>Caso de Euler 4: empotrado en ambos extremos; por ejemplo, fijación por brida o por escuadras, con el extremo del vástago unido rígidamente a una carga guiada</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>Introduzca el diámetro del vástago.</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>El factor de seguridad debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>Introduzca el módulo de elasticidad y el límite elástico del material del vástago.</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Tipo de fijación</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>Vástago esbelto: carga de pandeo según Euler.</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>Vástago corto: carga de pandeo según Johnson.</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>La fuerza de avance supera la fuerza admisible: el vástago puede pandear.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 sin valor</translation>
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
        <translation>Introduzca el diámetro del émbolo y la carrera.</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>Sin caída de presión no pasa aire por la válvula.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La caída de presión es igual o mayor que la presión de trabajo absoluta.</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>Introduzca el coeficiente de caudal de la válvula.</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>Introduzca el número de cilindros.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>Tiempo de carrera y velocidad del émbolo con esta válvula</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>La presión aguas abajo de la válvula es inferior al 53 % de la presión de trabajo, fuera del rango en que es válida esta fórmula de caudal; el tiempo de carrera es solo una estimación.</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>Cambio al sistema %1: se han convertido todos los valores.</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>El valor de «%1» en el cálculo «%2» es demasiado grande para convertirlo al sistema %3. No se ha modificado nada: la ventana sigue en el sistema %4.</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>Acumular</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>Suma el caudal y el consumo de aire al caudal total y al consumo total de la instalación</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>Pone a 0 el caudal total y el consumo total de la instalación</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>Coeficiente de caudal mostrado ahora como %1.</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>Coeficiente de caudal mostrado ahora como %1: %2.</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>El caudal total sería demasiado grande para mostrarlo. No se ha modificado el total.</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>El consumo total sería demasiado grande para mostrarlo. No se ha modificado nada.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>La caída de presión es igual o mayor que la presión de trabajo absoluta.</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>La caída de presión es igual o mayor que la presión de trabajo: no queda presión para mover el cilindro.</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiales</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Sitio web de Corvane</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>Abre %1 en el navegador web</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>Visite nuestro sitio web: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Dimensiona cilindros neumáticos y las válvulas que los alimentan.&lt;/p&gt;&lt;p&gt;Publicado bajo la licencia MIT (véase el archivo LICENSE que lo acompaña).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>Acerca de Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>El plugin de plataforma de Qt: xcb, wayland, offscreen, ...</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>Dónde buscar los plugins de plataforma de Qt.</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>El tema de plataforma de Qt.</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>Un plugin de Qt adicional que cargar, por ejemplo evdevtouch.</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>Tamaño y posición de la ventana, por ejemplo 640x480+0+0.</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>El título de la ventana.</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>El icono de la ventana.</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>Dispone la ventana de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>Restaura la sesión indicada.</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>El estilo de los widgets: Fusion, Windows, ...</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>Una hoja de estilo de Qt para los widgets.</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>Muestra al final cuántos widgets quedaban.</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>Opciones del depurador de QML.</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11: la pantalla (display) que abrir, por ejemplo :0.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11: lo mismo que -qwindowgeometry.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11: lo mismo que -qwindowtitle.</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11: lo mismo que -qwindowicon.</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11: el nombre de recurso de la ventana.</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11: el visual que usa la ventana.</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11: nunca captura el ratón ni el teclado.</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11: captura incluso bajo un depurador.</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>Dimensiona cilindros neumáticos y las válvulas que los alimentan: diámetro del cilindro, fuerza del cilindro y caudal de la válvula, en unidades imperiales o métricas.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>No hay traducción para el idioma %1; el programa se ejecuta en inglés.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>Idioma desconocido «%1».</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>Consulte --help.</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>no se puede abrir una pantalla: DISPLAY no está definida</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>no se puede iniciar el sistema de ventanas: %1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>no se ha podido iniciar ningún plugin de plataforma de Qt</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>El idioma de la ventana para esta ejecución: %1. También sirve un nombre de configuración regional (es_ES, es-ES). Sin esta opción, el idioma del escritorio.</translation>
    </message>
</context>
</TS>
