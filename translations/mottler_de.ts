<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>mottler</name>
    <message>
        <source>Save this pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient &amp;Start Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient &amp;End Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Texture gradient (Forces Width=256)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses the color gradient from the Texture Settings tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width of the border between the gradient and background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Output Size for Fading Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Scheme Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a name for this scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Pages|*.htm;*.html|All Files|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How well text of this colour stands out from the background (WCAG contrast; normal text needs 4.5:1 for AA and 7:1 for AAA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Page (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the color codes, ready to paste into the BODY tag of your HTML document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as CSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the colors and the background as a style sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Mottler&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Grows seamless, tileable textures for web-page backgrounds.&lt;/p&gt;&lt;p&gt;Mottler&apos;s own code is released under the MIT licence. This program links libimagequant and is therefore distributed under the GNU GPL, version 3 or later.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture being loaded is a different size to the current texture. 
Would you like to resize the picture to %1 by %2.  Choose &quot;No&quot; to retain the pictures original size of %3 by %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocating memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display the frame in a tiled pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ani&amp;mate growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display every frame while growing texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show every &apos;n&apos;th frame while growing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this image for use in your web pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview In Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses your web browser to preview your texture as a background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record Every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the animation so you can review each frame afterwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record every &apos;n&apos;th frame to save memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Recording Directly To AVI File)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a variation on the current image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ra&amp;ndom Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise and Shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial T&amp;extureType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Iterations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;&amp;A&apos; Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;&amp;B&apos; Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alter more of Mottler&apos;s growth factors !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drift Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is probably the best button to push</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::AboutDialog</name>
    <message>
        <source>About Mottler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::AdjustPanel</name>
    <message>
        <source>Adjust the contrast of the colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust the brightness of the colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset contrast and brightness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::AdvancedWindow</name>
    <message>
        <source>Advanced Mottler Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change these numbers and see what happens&#xa0;!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C Factor (Default=%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D Factor (Default=%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Multiplier (Default=%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Multiplier (Default=%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Negative Value, set A = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abs(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::AgeThumbnail</name>
    <message>
        <source>Iterations : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::ColourPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select palette or GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find nearest color in palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a color from the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnify part of the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Color Schemes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new group of custom colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove a group of custom colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set Current Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear All Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All values must be between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF files (*.gif)|*.gif|Palette Files (RIFF &amp; JASC) (*.pal)|*.pal|Photoshop Palettes (*.act)|*.act</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.  The default websafe palette will be displayed instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find nearest color in palette and spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scheme name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The [Default] scheme cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove this scheme ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear all custom colors ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::ExploreWindow</name>
    <message>
        <source>: no texture, the numbers went out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: no texture, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explore Variations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> per side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre on &amp;Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new map around the texture&apos;s current values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Across:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cells:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (*.png);;JPEG (*.jpg *.jpeg);;BMP (*.bmp);;WebP (*.webp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::ExportAnimationDialog</name>
    <message>
        <source>%1 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysing Frame 00000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which frames are in the exported animation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between Frame #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include every &apos;n&apos;th frame (1=every frame)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Looping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ping Pong all frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blend first/last &quot;n&quot; frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The animation frames have been written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysing Frame %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Frame %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::GradientEditor</name>
    <message>
        <source>Double-click to add new point<byte value="xd"/>
Right click to randomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the color of the selected point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete control point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::GradientPage</name>
    <message>
        <source>You can adjust the width of the gradient by holding down the left mouse button in the &quot;Tile Preview&quot; window, or by using the &quot;Width&quot; box above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display a graduated border to the right of the main gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Gradient Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for your new gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the gradient &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Mottler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::HelpWindow</name>
    <message>
        <source>Mottler Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mottler Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::MainWindow</name>
    <message>
        <source>Texture Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gradient Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set File Recording Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Texture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mottler - [%1 by %2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You must be running at higher than 256 colors to use this program.  Please close Mottler, adjust your Display Properties (right-click on your Desktop and click Properties) to have a Color Palette of 16-Bit (65 000 colors) or better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint aging windows is now %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process messages during texture growth %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress bar is now %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your image has been copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to make this texture your desktop wallpaper ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explore Variations...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF,BMP, JPEG (*.jpg *.jpeg *.bmp *.gif);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocating memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set as &amp;Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name Of Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the name of this preset ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Texture Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Pack (*.txp);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview page could not be opened in your web browser.  It has been written to:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::NumericEdit</name>
    <message>
        <source>Choose the file to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose where to save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::PreviewFrame</name>
    <message>
        <source>%1 by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture Preview (Double-click to expand) %1 by %2 currently shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::PreviewSettingsPage</name>
    <message>
        <source>This section allows you to compare the colors of HTML text against your Mottler background. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;Preview in Browser&quot; button will display a sample page in your browser and Copy to Clipboard will copy the relevant color codes ready to paste into your HTML document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a new filename for each preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New filenames will give instant refresh on a preview, but a new browser window may be created for each preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::RecordToFileWindow</name>
    <message>
        <source>Record To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option allows to create AVI recordings of texture growth without first recording it to memory.  This is useful if the recording is to be very long, or the texture is very large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Directly to AVI File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::SafeApplication</name>
    <message>
        <source>An internal error has occurred.

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::SaveTileDialog</name>
    <message>
        <source>Save Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build a seamless tile up to 200 X 200 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate a quarter turn to the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate a quarter turn to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality of JPEG and WebP files (WebP at 100 % is lossless)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alculate Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;GIF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W&amp;ebP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::ScreenGrab</name>
    <message>
        <source>This desktop does not let programs read the screen (Wayland or no display), so no colour can be taken from it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::TextColourOverlay</name>
    <message>
        <source>Document Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::TextureSizeDialog</name>
    <message>
        <source>Texture Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The way these textures are &quot;grown&quot; means you cannot use this form to see the same texture at a higher resolution.  Changing the height or width will result in a different texture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preserve this &amp;texture size when loading presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::VariationMapView</name>
    <message>
        <source>Variation map</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mottler::ZoomWindow</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How To Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the left mouse button down on this window then drag to the area you want to magnify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Color Picker&apos;s Zoom Window allows you to magnify an area of the screen and easily select a pixel who&apos;s color you wish to use.

To magnify an area of the screen simply put the cursor over the zoom window and hold down the left mouse button and drag the cursor to the area of interest.  Make sure you keep the button held down while moving or the zoom window will not magnify the area you want.

Once you have the appropriate area visible in the zoom window let go of the mouse button and point the mouse back at the zoom window.  Find your color and click on it - that&apos;s all it takes !

The slider bar on the side of the zoom window controls the level of magnification.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
