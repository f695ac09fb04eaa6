<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>仅当阀下游压力不低于初始工作压力的 53% 时，这些计算结果才有效</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>The result is too large to calculate. No result was changed.</source>
        <translation>结果过大，无法计算。未更改任何结果。</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>这些数值会导致计算中出现除以零。未更改任何结果。</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>这些数值会导致计算中对负数开平方。未更改任何结果。</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>计算失败：%1。未更改任何结果。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the results a screen reader is told</comment>
        <translation>， </translation>
    </message>
</context>
<context>
    <name>CylinderBorePanel</name>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>“%2”页面中“%1”的值太大，无法按%3单位计算。未做任何更改：窗口仍使用%4单位。</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>安全系数小于 1 时，活塞面积会小于该力所需的面积。</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>没有这么大的标准缸径。</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>“%1”必须介于 %2 和 %3 之间。未更改任何结果。</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>活塞杆直径不小于缸径：没有拉力。</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>法律免责声明</translation>
    </message>
    <message>
        <source>%1 vertical</source>
        <translation>%1 垂直</translation>
    </message>
    <message>
        <source>%1 horizontal</source>
        <translation>%1 水平</translation>
    </message>
    <message>
        <source>This program is furnished only as a guide. The material contained within the program is provided as is without warranty of any kind, including, but not limited to, the implied warranties of merchantability or fitness for a particular purpose. Corvane by offering the program will not assume any liability should the program produce results other than intended by Corvane or should the performance of the program prove defective in any way.  Corvane reserves the right to improve, update, or otherwise modify the program at any time without notice.  All calculations should be approved and verified by a Certified Pneumatic Specialist.</source>
        <translation>本程序仅供参考。程序中所含内容按“现状”提供，不附带任何形式的担保，包括但不限于对适销性或特定用途适用性的默示担保。如本程序产生非 Corvane 预期的结果，或本程序的运行被证明存在任何缺陷，Corvane 均不因提供本程序而承担任何责任。Corvane 保留随时改进、更新或以其他方式修改本程序的权利，恕不另行通知。所有计算均应经过认证的气动专业人员审核和验证。</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 已按 %2 读取。</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>为空；已设为 0。</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 太大；已设为 0。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>“%1”在此不是数字（小数点为“%2”）；已设为 0。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>“%1”不是数字；已设为 0。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>“%1”已按 %2 读取。</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 太小；已设为 0。</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>工作压力</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>所需推力</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>安全系数</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>所需活塞面积</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>最小缸径</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>标准缸径</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>能达到所需活塞面积的最小标准缸径（英寸按 NFPA，mm 按 ISO 3320）</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>推力</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>该工作压力下标准缸径的推力</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>缸径</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>活塞杆直径</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>推力（伸出）</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>拉力（缩回）</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>屈曲长度</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>活塞杆完全伸出时两个安装点之间的距离</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>弹性模量</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>活塞杆材料的弹性模量（默认为钢）</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>屈服强度</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>活塞杆材料的屈服强度（默认为钢）</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>临界载荷除以该值；通常取 3～5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>临界载荷</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>许用载荷</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大屈曲长度</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>最小活塞杆直径</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>压降</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>行程</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>气缸数量</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>阀的流量系数</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>样本中给出的阀流量系数：英制用 Cv，公制用 Kv</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>瞬时流量</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>气缸动作时流经阀的流量</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>行程时间</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>完成一个行程所需的时间</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>活塞速度</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>活塞在整个行程中的平均速度</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>动作频率</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>每个气缸每分钟完成的完整循环（伸出和缩回）次数</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>行程容积</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>系统总流量</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>耗气量</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>该组气缸每分钟消耗的自由空气量：伸出和缩回行程均按缸径全面积、充气至工作压力计算（不扣除活塞杆体积，结果偏于安全）</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>系统总耗气量</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>通过“计入总量”累加的各组耗气量之和：即空压机必须提供的气量</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>文本超出了输入框可容纳的 %1 个字符；超出部分已截去。</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>将报告保存为 PDF(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>Corvane 网站(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>关于 Corvane Calculator(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>缸径</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>气缸输出力</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免责声明</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>输入值</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>计算结果</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>“%1”中没有数字。未更改任何结果。</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>活塞杆屈曲</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>行程时间</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>阀流量</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>将报告保存为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>输入值</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>计算结果</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>系统合计</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>上次计算后输入值已更改：请先点击“计算”，再使用这些结果。</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>无法将报告保存为 %1：%2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>报告已保存为 %1。</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>结果已复制到剪贴板。</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>无法打印报告：无法启动打印机。</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>尚未计算</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
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
        <translation>力</translation>
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
        <translation>长度</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation>平方英寸</translation>
    </message>
    <message>
        <source>Sq. mm</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
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
        <translation>流量</translation>
    </message>
    <message>
        <source>SCFM</source>
        <translation>SCFM</translation>
    </message>
    <message>
        <source>L/min</source>
        <translation>L/min (ANR)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体积</translation>
    </message>
    <message>
        <source>Cubic Inch.</source>
        <translation>立方英寸</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>流量系数</translation>
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
        <translation>Cv 值</translation>
    </message>
    <message>
        <source>kV Factor</source>
        <translation>Kv 值</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>英寸/秒</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>应力</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>次/分</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>系数</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>公制</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>计算项目</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位制</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>无法绘制页面。</translation>
    </message>
</context>
<context>
    <name>RodBucklingPanel</name>
    <message>
        <source>Fixed - Free</source>
        <translation>固定－自由</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end free and unguided: a flange or foot mounting pushing a load that can move sideways</source>
        <translation>一端固定、一端自由：缸体一端刚性固定，活塞杆端自由且无导向；例如推动可横向移动负载的法兰式或脚座式安装</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>铰支－铰支</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>两端铰支：两端均可转动；例如耳环式或耳轴式安装，活塞杆端装 Y 型接头</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>固定－铰支</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>一端固定、一端铰支：缸体一端刚性固定，活塞杆端铰接且有导向；例如法兰式或脚座式安装，活塞杆端装 Y 型接头</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>固定－固定</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>两端固定：两端均刚性固定；例如法兰式或脚座式安装，活塞杆端固定在有导向的负载上</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>请输入活塞杆直径。</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>安全系数必须大于 0。</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>请输入活塞杆材料的弹性模量和屈服强度。</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>安装方式</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>细长杆：按欧拉公式计算。</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>中短杆：按约翰逊公式计算。</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>推力超过许用载荷：活塞杆可能发生屈曲。</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 无</translation>
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
        <translation>请输入缸径和行程。</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>没有压降，就没有空气流过阀。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>压降不小于工作压力的绝对压力。</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>请输入阀的流量系数。</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>请输入气缸数量。</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>使用该阀时的行程时间和活塞速度</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>下游压力低于工作压力的 53%，超出该流量公式的适用范围；行程时间仅为估算值。</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>已切换为%1单位；所有数值均已换算。</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>“%2”页面中“%1”的值太大，无法换算为%3单位。未做任何更改：窗口仍使用%4单位。</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>计入总量</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>将本组的流量和耗气量累加到系统总流量和系统总耗气量</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>总量清零</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>将系统总流量和系统总耗气量清零</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>流量系数现以 %1 显示。</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>流量系数现以 %1 显示：%2。</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>系统总流量将过大，无法显示。总量未更改。</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>系统总耗气量将过大，无法显示。未做任何更改。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>压降不小于工作压力的绝对压力。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>压降不小于工作压力：没有剩余压力推动气缸。</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>公制</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>计算项目</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Corvane 网站</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>在网页浏览器中打开 %1</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>欢迎访问我们的网站: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;用于气缸及其供气阀的选型计算。&lt;/p&gt;&lt;p&gt;依据 MIT 许可证发布（参见随附的 LICENSE 文件）。&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>关于 Corvane Calculator</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Qt 平台插件：xcb、wayland、offscreen 等</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>查找 Qt 平台插件的位置。</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>Qt 平台主题。</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>额外加载的 Qt 插件，例如 evdevtouch。</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>窗口的大小和位置，例如 640x480+0+0。</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>窗口标题。</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>窗口图标。</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>按从右到左的方向布局窗口。</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>恢复指定的会话。</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>控件样式：Fusion、Windows 等</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>应用于控件的 Qt 样式表。</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>结束时输出剩余的控件数量。</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>QML 调试器选项。</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11：要打开的显示，例如 :0。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11：同 -qwindowgeometry。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11：同 -qwindowtitle。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11：同 -qwindowicon。</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11：窗口的资源名称。</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11：窗口使用的 visual。</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11：从不独占（grab）鼠标或键盘。</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11：即使在调试器中运行也独占（grab）。</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>用于气缸及其供气阀的选型计算：缸径、气缸输出力和阀流量，可使用英制或公制单位。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>没有 %1 翻译；程序将以英语运行。</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>未知语言“%1”。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>请参阅 --help。</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>无法打开显示 %1</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>无法打开显示：未设置 DISPLAY</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>无法启动窗口系统：%1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>无法启动任何 Qt 平台插件</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>本次运行时窗口使用的语言：%1。也可使用区域设置名称（zh_CN、zh-CN）。未指定时使用桌面的语言。</translation>
    </message>
</context>
</TS>
