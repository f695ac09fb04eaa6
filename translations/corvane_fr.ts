<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the results a screen reader is told</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CylinderBorePanel</name>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sq. mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>° F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>° c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCFM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic Inch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CV Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kV Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>metric</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StrokeTimePanel</name>
    <message>
        <source>Type the bore and the stroke length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
