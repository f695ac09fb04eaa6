<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Calculator</name>
    <message>
        <source>These calculations are only valid when the pressure drop is at least 53% of the initial air pressure</source>
        <translation>この計算は、バルブの下流側圧力が初期の使用圧力の 53% を下回らない場合にのみ有効です</translation>
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
        <translation>結果が大きすぎて計算できません。計算結果は変更されていません。</translation>
    </message>
    <message>
        <source>These values make the calculation divide by zero. No result was changed.</source>
        <translation>この入力値では計算中にゼロで割ることになります。計算結果は変更されていません。</translation>
    </message>
    <message>
        <source>These values make the calculation take the square root of a negative number. No result was changed.</source>
        <translation>この入力値では計算中に負の数の平方根を求めることになります。計算結果は変更されていません。</translation>
    </message>
    <message>
        <source>The calculation failed: %1. No result was changed.</source>
        <translation>計算できませんでした：%1。計算結果は変更されていません。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the results a screen reader is told</comment>
        <translation>、 </translation>
    </message>
</context>
<context>
    <name>CylinderBorePanel</name>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to work out in %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>「%2」画面の「%1」の値が大きすぎるため、%3では計算できません。何も変更されていません（単位系は%4のままです）。</translation>
    </message>
    <message>
        <source>A safety factor below 1 makes the area smaller than the force needs.</source>
        <translation>安全率が 1 未満では、受圧面積が推力に必要な面積より小さくなります。</translation>
    </message>
    <message>
        <source>No standard bore is that large.</source>
        <translation>この大きさの標準シリンダ内径はありません。</translation>
    </message>
</context>
<context>
    <name>CylinderCount</name>
    <message>
        <source>&quot;%1&quot; must lie between %2 and %3. No result was changed.</source>
        <translation>「%1」は %2～%3 の範囲で入力してください。計算結果は変更されていません。</translation>
    </message>
</context>
<context>
    <name>CylinderForcePanel</name>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>The rod is as large as the bore: there is no pull force.</source>
        <translation>ロッド径がシリンダ内径以上のため、引き側の出力は生じません。</translation>
    </message>
</context>
<context>
    <name>DisclaimerPanel</name>
    <message>
        <source>Legal Disclaimer</source>
        <translation>法的免責事項</translation>
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
        <translation>本プログラムは参考資料としてのみ提供されます。本プログラムに含まれる内容は「現状有姿」で提供され、商品性および特定目的への適合性に関する黙示の保証を含め（ただしこれらに限りません）、いかなる種類の保証も伴いません。Corvane は、本プログラムを提供するにあたり、本プログラムが Corvane の意図しない結果を生じた場合、または本プログラムの動作に何らかの欠陥があることが判明した場合のいずれについても、一切の責任を負いません。Corvane は、予告なくいつでも本プログラムを改良、更新、その他の方法で変更する権利を留保します。すべての計算結果は、認定を受けた空気圧の専門技術者による承認と検証を受けてください。</translation>
    </message>
</context>
<context>
    <name>FieldCleaner</name>
    <message>
        <source>%1 taken as %2.</source>
        <translation>%1 を %2 として読み取りました。</translation>
    </message>
    <message>
        <source>empty; set to 0.</source>
        <translation>空欄のため 0 にしました。</translation>
    </message>
    <message>
        <source>%1 is too large; set to 0.</source>
        <translation>%1 は大きすぎるため 0 にしました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number here; the decimal separator is &quot;%2&quot;; set to 0.</source>
        <translation>「%1」はここでは数値として読めません（小数点は「%2」です）。0 にしました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; set to 0.</source>
        <translation>「%1」は数値ではないため 0 にしました。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read as %2.</source>
        <translation>「%1」を %2 として読み取りました。</translation>
    </message>
    <message>
        <source>%1 is too small; set to 0.</source>
        <translation>%1 は小さすぎるため 0 にしました。</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Air Pressure</source>
        <translation>使用圧力</translation>
    </message>
    <message>
        <source>Force Required</source>
        <translation>必要推力</translation>
    </message>
    <message>
        <source>Safety Factor</source>
        <translation>安全率</translation>
    </message>
    <message>
        <source>Area Required</source>
        <translation>必要受圧面積</translation>
    </message>
    <message>
        <source>Minimum Bore Size</source>
        <translation>最小シリンダ内径</translation>
    </message>
    <message>
        <source>Standard Bore</source>
        <translation>標準シリンダ内径</translation>
    </message>
    <message>
        <source>The smallest standard bore (NFPA in inches, ISO 3320 in mm) that gives at least the area required</source>
        <translation>必要受圧面積以上が得られる最小の標準シリンダ内径（インチは NFPA、mm は ISO 3320 による）</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>推力</translation>
    </message>
    <message>
        <source>The push force of the standard bore at this air pressure</source>
        <translation>この使用圧力での標準シリンダ内径の推力</translation>
    </message>
    <message>
        <source>Bore Size</source>
        <translation>シリンダ内径</translation>
    </message>
    <message>
        <source>Rod Diameter</source>
        <translation>ロッド径</translation>
    </message>
    <message>
        <source>Force (Push)</source>
        <translation>出力（押し側）</translation>
    </message>
    <message>
        <source>Force (Pull)</source>
        <translation>出力（引き側）</translation>
    </message>
    <message>
        <source>Buckling Length</source>
        <translation>座屈長さ</translation>
    </message>
    <message>
        <source>The distance between the two mounting points with the rod fully extended</source>
        <translation>ロッドを最後まで伸ばしたときの 2 つの取付点の間の距離</translation>
    </message>
    <message>
        <source>Elastic Modulus</source>
        <translation>縦弾性係数</translation>
    </message>
    <message>
        <source>The elastic modulus of the rod&apos;s material (steel by default)</source>
        <translation>ピストンロッド材料の縦弾性係数（初期値は鋼）</translation>
    </message>
    <message>
        <source>Yield Strength</source>
        <translation>降伏点</translation>
    </message>
    <message>
        <source>The yield strength of the rod&apos;s material (steel by default)</source>
        <translation>ピストンロッド材料の降伏点（初期値は鋼）</translation>
    </message>
    <message>
        <source>Divides the buckling load; 3 to 5 is usual</source>
        <translation>座屈荷重をこの値で割ります。通常は 3～5</translation>
    </message>
    <message>
        <source>Buckling Load</source>
        <translation>座屈荷重</translation>
    </message>
    <message>
        <source>Allowable Force</source>
        <translation>許容荷重</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大座屈長さ</translation>
    </message>
    <message>
        <source>Minimum Rod Diameter</source>
        <translation>最小ロッド径</translation>
    </message>
    <message>
        <source>Pressure Drop</source>
        <translation>圧力降下</translation>
    </message>
    <message>
        <source>Stroke Length</source>
        <translation>ストローク</translation>
    </message>
    <message>
        <source>Room Temperature</source>
        <translation>周囲温度</translation>
    </message>
    <message>
        <source>Number of Cylinders</source>
        <translation>シリンダ本数</translation>
    </message>
    <message>
        <source>Valve Flow Coefficient</source>
        <translation>バルブの流量係数</translation>
    </message>
    <message>
        <source>The valve&apos;s flow coefficient from its catalogue: Cv in imperial units, Kv in metric</source>
        <translation>カタログに記載されたバルブの流量係数（ヤード・ポンド法では Cv、メートル法では Kv）</translation>
    </message>
    <message>
        <source>Instantaneous Flow</source>
        <translation>瞬時流量</translation>
    </message>
    <message>
        <source>The flow through the valve while the cylinders stroke</source>
        <translation>シリンダの作動中にバルブを通過する流量</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>ストローク時間</translation>
    </message>
    <message>
        <source>The time of one stroke</source>
        <translation>1 ストロークに要する時間</translation>
    </message>
    <message>
        <source>Piston Speed</source>
        <translation>ピストン速度</translation>
    </message>
    <message>
        <source>The piston&apos;s average speed over the stroke</source>
        <translation>ストローク全体でのピストンの平均速度</translation>
    </message>
    <message>
        <source>Cycle Rate</source>
        <translation>サイクル数</translation>
    </message>
    <message>
        <source>Complete cycles (extend and retract) each cylinder makes per minute</source>
        <translation>各シリンダが 1 分間に行う往復（前進と後退）の回数</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>行程容積</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>システム総流量</translation>
    </message>
    <message>
        <source>Air Consumption</source>
        <translation>空気消費量</translation>
    </message>
    <message>
        <source>Free air the group uses per minute: both strokes at full bore, filled to the air pressure (the rod&apos;s volume is not subtracted, which errs on the safe side)</source>
        <translation>このシリンダ群が 1 分間に消費する空気量（大気圧換算）。往復とも内径いっぱいの容積に使用圧力まで充填するものとして計算します（ロッドの体積を差し引かないため、安全側の値になります）</translation>
    </message>
    <message>
        <source>System Consumption</source>
        <translation>総空気消費量</translation>
    </message>
    <message>
        <source>Running total of Air Consumption over the groups added with Total System Flow: what the compressor must supply</source>
        <translation>「合計に加算」で加えたシリンダ群の空気消費量の累計。コンプレッサが供給しなければならない空気量です</translation>
    </message>
</context>
<context>
    <name>LengthLimit</name>
    <message>
        <source>the text was longer than the %1 characters a field holds; the rest was cut.</source>
        <translation>入力欄に入る %1 文字を超えていたため、超えた部分を切り捨てました。</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save Report as PDF...</source>
        <translation>レポートを PDF で保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>計算結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Corvane &amp;Website</source>
        <translation>Corvane ウェブサイト(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;About Corvane Calculator</source>
        <translation>Corvane Calculator について(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Cylinder Bore</source>
        <translation>シリンダ内径</translation>
    </message>
    <message>
        <source>Cylinder Force</source>
        <translation>シリンダ出力</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免責事項</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>入力値</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>計算結果</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not hold a number. No result was changed.</source>
        <translation>「%1」に数値が入っていません。計算結果は変更されていません。</translation>
    </message>
    <message>
        <source>Rod Buckling</source>
        <translation>ロッド座屈</translation>
    </message>
    <message>
        <source>Stroke Time</source>
        <translation>ストローク時間</translation>
    </message>
    <message>
        <source>Valve Flow</source>
        <translation>バルブ流量</translation>
    </message>
</context>
<context>
    <name>PanelReport</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>レポートを PDF で保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Input Values</source>
        <translation>入力値</translation>
    </message>
    <message>
        <source>Output Values</source>
        <translation>計算結果</translation>
    </message>
    <message>
        <source>System Totals</source>
        <translation>システム合計</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Inputs changed after the last calculation: press Calculate before relying on these results.</source>
        <translation>前回の計算のあとで入力値が変更されています。この結果を使う前に「計算」を押してください。</translation>
    </message>
    <message>
        <source>The report could not be saved as %1: %2</source>
        <translation>レポートを %1 として保存できませんでした：%2</translation>
    </message>
    <message>
        <source>Report saved as %1.</source>
        <translation>レポートを %1 として保存しました。</translation>
    </message>
    <message>
        <source>The results are on the clipboard.</source>
        <translation>計算結果をクリップボードにコピーしました。</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer could not be started.</source>
        <translation>レポートを印刷できませんでした：プリンタを起動できません。</translation>
    </message>
    <message>
        <source>Not calculated yet</source>
        <translation>まだ計算されていません</translation>
    </message>
</context>
<context>
    <name>QuantityTable</name>
    <message>
        <source>Pressure</source>
        <translation>圧力</translation>
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
        <translation>長さ</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>Sq. Inches</source>
        <translation>平方インチ</translation>
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
        <translation>体積</translation>
    </message>
    <message>
        <source>Cubic Inch.</source>
        <translation>立方インチ</translation>
    </message>
    <message>
        <source>Cubic mm</source>
        <translation>mm³</translation>
    </message>
    <message>
        <source>Flow coefficient</source>
        <translation>流量係数</translation>
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
        <translation>Cv値</translation>
    </message>
    <message>
        <source>kV Factor</source>
        <translation>Kv値</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>In/Sec</source>
        <translation>インチ/秒</translation>
    </message>
    <message>
        <source>mm/Sec</source>
        <translation>mm/s</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>応力</translation>
    </message>
    <message>
        <source>N/mm²</source>
        <translation>N/mm²</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>個数</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Per Minute</source>
        <translation>回/分</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>係数</translation>
    </message>
    <message>
        <source>imperial</source>
        <translation>ヤード・ポンド法</translation>
    </message>
    <message>
        <source>metric</source>
        <translation>メートル法</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Panel</source>
        <translation>計算項目</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位系</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>ページを描画できませんでした。</translation>
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
        <translation>一端固定・他端自由：シリンダを一端で固定し、ロッド先端はガイドのない自由端。例：横方向に動ける負荷を押すフランジ形またはフート形</translation>
    </message>
    <message>
        <source>Pinned - Pinned</source>
        <translation>ピン－ピン</translation>
    </message>
    <message>
        <source>Pivoted at both ends: a clevis or trunnion mounting with a rod-end clevis</source>
        <translation>両端ピン：両端とも回転自由。例：ロッド先端に Y 形ナックル継手を付けたクレビス形またはトラニオン形</translation>
    </message>
    <message>
        <source>Fixed - Pinned</source>
        <translation>固定－ピン</translation>
    </message>
    <message>
        <source>Rigid mounting at one end, the rod end pivoted and guided: a flange or foot mounting with a rod-end clevis</source>
        <translation>一端固定・他端ピン：シリンダを一端で固定し、ロッド先端はガイド付きで回転自由。例：ロッド先端に Y 形ナックル継手を付けたフランジ形またはフート形</translation>
    </message>
    <message>
        <source>Fixed - Fixed</source>
        <translation>固定－固定</translation>
    </message>
    <message>
        <source>Rigid at both ends: a flange or foot mounting with the rod end fixed to a guided load</source>
        <translation>両端固定：両端とも固定。例：ロッド先端をガイド付きの負荷に固定したフランジ形またはフート形</translation>
    </message>
    <message>
        <source>Type the rod diameter.</source>
        <translation>ロッド径を入力してください。</translation>
    </message>
    <message>
        <source>A safety factor must be above 0.</source>
        <translation>安全率は 0 より大きい値にしてください。</translation>
    </message>
    <message>
        <source>Type the rod material&apos;s modulus and yield strength.</source>
        <translation>ピストンロッド材料の縦弾性係数と降伏点を入力してください。</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>取付方法</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Slender rod: Euler&apos;s formula.</source>
        <translation>長柱：オイラーの式で計算しました。</translation>
    </message>
    <message>
        <source>Short rod: Johnson&apos;s formula.</source>
        <translation>短柱：ジョンソンの式で計算しました。</translation>
    </message>
    <message>
        <source>The push force is above the allowable force: the rod may buckle.</source>
        <translation>推力が許容荷重を超えています。ロッドが座屈するおそれがあります。</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>%1 none</source>
        <translation>%1 なし</translation>
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
        <translation>シリンダ内径とストロークを入力してください。</translation>
    </message>
    <message>
        <source>A valve passes no air without a pressure drop.</source>
        <translation>圧力降下がなければ、バルブに空気は流れません。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>圧力降下が使用圧力の絶対圧以上になっています。</translation>
    </message>
    <message>
        <source>Type the valve&apos;s flow coefficient.</source>
        <translation>バルブの流量係数を入力してください。</translation>
    </message>
    <message>
        <source>Type the number of cylinders.</source>
        <translation>シリンダ本数を入力してください。</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Stroke time and piston speed with this valve</source>
        <translation>このバルブでのストローク時間とピストン速度</translation>
    </message>
    <message>
        <source>The downstream pressure is below 53 % of the air pressure, outside the range where this flow formula holds; the stroke time is only an estimate.</source>
        <translation>下流側圧力が使用圧力の 53% を下回っており、この流量計算式の適用範囲外です。ストローク時間は概算値です。</translation>
    </message>
</context>
<context>
    <name>UnitSwitch</name>
    <message>
        <source>Now in %1 units; every value was converted.</source>
        <translation>単位系を%1に切り替え、すべての値を換算しました。</translation>
    </message>
    <message>
        <source>The value in &quot;%1&quot; on the %2 panel is too large to convert to %3 units. Nothing was changed: the window stays in %4 units.</source>
        <translation>「%2」画面の「%1」の値が大きすぎるため、%3に換算できません。何も変更されていません（単位系は%4のままです）。</translation>
    </message>
</context>
<context>
    <name>ValveFlowPanel</name>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Total System Flow</source>
        <translation>合計に加算</translation>
    </message>
    <message>
        <source>Click here to accumulate values for your Total System Flow and your System Consumption</source>
        <translation>この流量と空気消費量を、システム総流量と総空気消費量に加算します</translation>
    </message>
    <message>
        <source>Reset System Flow</source>
        <translation>合計をリセット</translation>
    </message>
    <message>
        <source>Click here to set your Total System Flow and your System Consumption back to 0</source>
        <translation>システム総流量と総空気消費量を 0 に戻します</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1.</source>
        <translation>流量係数を %1 で表示しています。</translation>
    </message>
    <message>
        <source>Flow coefficient now shown as %1: %2.</source>
        <translation>流量係数を %1 で表示しています：%2。</translation>
    </message>
    <message>
        <source>The total system flow would be too large to show. The total was not changed.</source>
        <translation>システム総流量が大きくなりすぎて表示できません。合計は変更されていません。</translation>
    </message>
    <message>
        <source>The system consumption would be too large to show. Nothing was changed.</source>
        <translation>総空気消費量が大きくなりすぎて表示できません。何も変更されていません。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the absolute air pressure.</source>
        <translation>圧力降下が使用圧力の絶対圧以上になっています。</translation>
    </message>
    <message>
        <source>The pressure drop is at least the air pressure: no pressure is left to move the cylinder.</source>
        <translation>圧力降下が使用圧力以上のため、シリンダを動かす圧力が残りません。</translation>
    </message>
</context>
<context>
    <name>frmPressureCalc</name>
    <message>
        <source>Notes</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a field&apos;s caption, then what its cleaning did</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>ヤード・ポンド法</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>メートル法</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>計算項目</translation>
    </message>
    <message>
        <source>Corvane website</source>
        <translation>Corvane ウェブサイト</translation>
    </message>
    <message>
        <source>Opens %1 in your web browser</source>
        <translation>%1 を Web ブラウザで開きます</translation>
    </message>
    <message>
        <source>Please visit our website! </source>
        <translation>当社のウェブサイトをぜひご覧ください: </translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Sizes pneumatic cylinders and the valves that feed them.&lt;/p&gt;&lt;p&gt;Released under the MIT licence (see the LICENSE file that comes with it).&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;空気圧シリンダと、それに給気するバルブを選定します。&lt;/p&gt;&lt;p&gt;MIT ライセンスで公開しています（同梱の LICENSE ファイルを参照）。&lt;/p&gt;&lt;p&gt;Qt %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Corvane Calculator</source>
        <translation>Corvane Calculator について</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The Qt platform plugin: xcb, wayland, offscreen, ...</source>
        <translation>Qt プラットフォームプラグイン（xcb、wayland、offscreen など）</translation>
    </message>
    <message>
        <source>Where to look for Qt platform plugins.</source>
        <translation>Qt プラットフォームプラグインを探す場所。</translation>
    </message>
    <message>
        <source>The Qt platform theme.</source>
        <translation>Qt プラットフォームテーマ。</translation>
    </message>
    <message>
        <source>An extra Qt plugin to load, such as evdevtouch.</source>
        <translation>追加で読み込む Qt プラグイン（evdevtouch など）。</translation>
    </message>
    <message>
        <source>Size and position of the window, as in 640x480+0+0.</source>
        <translation>ウィンドウのサイズと位置（例：640x480+0+0）。</translation>
    </message>
    <message>
        <source>The title of the window.</source>
        <translation>ウィンドウのタイトル。</translation>
    </message>
    <message>
        <source>The icon of the window.</source>
        <translation>ウィンドウのアイコン。</translation>
    </message>
    <message>
        <source>Lays the window out right to left.</source>
        <translation>ウィンドウを右から左へ配置します。</translation>
    </message>
    <message>
        <source>Restores the given session.</source>
        <translation>指定したセッションを復元します。</translation>
    </message>
    <message>
        <source>The widget style: Fusion, Windows, ...</source>
        <translation>ウィジェットのスタイル（Fusion、Windows など）</translation>
    </message>
    <message>
        <source>A Qt style sheet for the widgets.</source>
        <translation>ウィジェットに適用する Qt スタイルシート。</translation>
    </message>
    <message>
        <source>Prints how many widgets were left at the end.</source>
        <translation>終了時に残っていたウィジェットの数を出力します。</translation>
    </message>
    <message>
        <source>Options of the QML debugger.</source>
        <translation>QML デバッガのオプション。</translation>
    </message>
    <message>
        <source>X11: the display to open, as in :0.</source>
        <translation>X11：接続するディスプレイ（:0 など）。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowgeometry.</source>
        <translation>X11：-qwindowgeometry と同じ。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowtitle.</source>
        <translation>X11：-qwindowtitle と同じ。</translation>
    </message>
    <message>
        <source>X11: the same as -qwindowicon.</source>
        <translation>X11：-qwindowicon と同じ。</translation>
    </message>
    <message>
        <source>X11: the resource name of the window.</source>
        <translation>X11：ウィンドウのリソース名。</translation>
    </message>
    <message>
        <source>X11: the visual the window uses.</source>
        <translation>X11：ウィンドウが使用するビジュアル。</translation>
    </message>
    <message>
        <source>X11: never grabs the mouse or keyboard.</source>
        <translation>X11：マウスやキーボードを占有（グラブ）しません。</translation>
    </message>
    <message>
        <source>X11: grabs even under a debugger.</source>
        <translation>X11：デバッガの下でも占有（グラブ）します。</translation>
    </message>
    <message>
        <source>Sizes pneumatic cylinders and the valves that feed them: cylinder bore, cylinder force and valve flow, in imperial or metric units.</source>
        <translation>空気圧シリンダと、それに給気するバルブを選定します。シリンダ内径、シリンダ出力、バルブ流量をヤード・ポンド法またはメートル法で計算します。</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>There is no %1 translation; the program runs in English.</source>
        <translation>%1 の翻訳はありません。英語で実行します。</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;.</source>
        <translation>不明な言語「%1」。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」。</translation>
    </message>
    <message>
        <source>See --help.</source>
        <translation>--help を参照してください。</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>ディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>cannot open a display: DISPLAY is not set</source>
        <translation>ディスプレイを開けません：DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>cannot start the window system: %1</source>
        <translation>ウィンドウシステムを起動できません：%1</translation>
    </message>
    <message>
        <source>no Qt platform plugin could be started</source>
        <translation>Qt プラットフォームプラグインを起動できませんでした</translation>
    </message>
    <message>
        <source>The language of the window for this run: %1. A locale name will do as well (de_DE, de-DE). Without it, the desktop&apos;s language.</source>
        <translation>今回の起動でウィンドウに使う言語：%1。ロケール名（ja_JP、ja-JP）でも指定できます。指定しない場合はデスクトップの言語になります。</translation>
    </message>
</context>
</TS>
