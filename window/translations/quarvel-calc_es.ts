<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quarvel::FailureReport</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División entre cero</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <extracomment>%1 is a field&apos;s caption as shown, %2 the text typed into it.</extracomment>
        <translation>%1: &quot;%2&quot; no es un número.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is out of range.</source>
        <extracomment>%1 is a field&apos;s caption as shown, %2 the text typed into it.</extracomment>
        <translation>%1: &quot;%2&quot; está fuera de rango.</translation>
    </message>
    <message>
        <source>The volume is too large to compute.</source>
        <translation>El volumen es demasiado grande para calcularlo.</translation>
    </message>
    <message>
        <source>The cost is too large to compute.</source>
        <translation>El costo es demasiado grande para calcularlo.</translation>
    </message>
</context>
<context>
    <name>quarvel::Form1</name>
    <message>
        <source>&amp;Feet</source>
        <translation>&amp;Pies</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>P&amp;ulgadas</translation>
    </message>
    <message>
        <source>Length in Feet</source>
        <translation>Largo en pies</translation>
    </message>
    <message>
        <source>Width in Feet</source>
        <translation>Ancho en pies</translation>
    </message>
    <message>
        <source>Depth in Feet</source>
        <translation>Espesor en pies</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Total Cubic Yards</source>
        <translation>Yardas cúbicas</translation>
    </message>
    <message>
        <source>Current Cost /YD</source>
        <translation>Precio por yd³</translation>
    </message>
    <message>
        <source>Choose from list or enter manually</source>
        <translation>Elija de la lista o escriba el precio</translation>
    </message>
    <message>
        <source>Estimation only. Your actual values may vary slightly...</source>
        <translation>Solo un estimado. Sus valores reales pueden variar un poco...</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Costo total</translation>
    </message>
    <message>
        <source>These programs and their documentation are offered without warranty of any kind. Zandrel, Dunmaran (QZ9XQ), makes no claim as to it&apos;s suitability for any purpose. This program is AS IS, and changes may be made to it at any time without incurring any obligations to former users. The entire risk arising from the use of this product remains with the user.</source>
        <translation>Estos programas y su documentación se ofrecen sin garantía de ningún tipo. Zandrel, Dunmaran (QZ9XQ), no garantiza que sean adecuados para ningún propósito. Este programa se entrega TAL CUAL, y puede cambiarse en cualquier momento sin que eso genere obligación alguna con usuarios anteriores. Todo el riesgo que resulte del uso de este producto corre por cuenta del usuario.</translation>
    </message>
    <message>
        <source>Length in Inches</source>
        <translation>Largo en pulgadas</translation>
    </message>
    <message>
        <source>Width in Inches</source>
        <translation>Ancho en pulgadas</translation>
    </message>
    <message>
        <source>Depth in Inches</source>
        <translation>Espesor en pulgadas</translation>
    </message>
</context>
<context>
    <name>quarvel::ResultLabel</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
</TS>
