<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>mottler::AboutDialog</name>
    <message>
        <source>About Mottler</source>
        <translation>Über Mottler</translation>
    </message>
    <message>
        <source>Libraries</source>
        <translation>Bibliotheken</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Mottler&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Grows seamless, tileable textures for web-page backgrounds.&lt;/p&gt;&lt;p&gt;Mottler&apos;s own code is released under the MIT licence. This program links libimagequant and is therefore distributed under the GNU GPL, version 3 or later.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mottler&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Lässt nahtlos kachelbare Texturen für Webseiten-Hintergründe wachsen.&lt;/p&gt;&lt;p&gt;Mottlers eigener Code steht unter der MIT-Lizenz. Dieses Programm bindet libimagequant ein und wird deshalb unter der GNU GPL, Version 3 oder später, verbreitet.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2&quot;&gt;%2&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>mottler::AdjustPanel</name>
    <message>
        <source>Adjust the contrast of the colors</source>
        <translation>Den Kontrast der Farben einstellen</translation>
    </message>
    <message>
        <source>Adjust the brightness of the colors</source>
        <translation>Die Helligkeit der Farben einstellen</translation>
    </message>
    <message>
        <source>Contrast: %1</source>
        <translation>Kontrast: %1</translation>
    </message>
    <message>
        <source>Brightness: %1</source>
        <translation>Helligkeit: %1</translation>
    </message>
    <message>
        <source>Reset contrast and brightness</source>
        <translation>Kontrast und Helligkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
</context>
<context>
    <name>mottler::AdvancedWindow</name>
    <message>
        <source>Advanced Mottler Controls</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Change these numbers and see what happens&#xa0;!</source>
        <translation>Ändern Sie diese Zahlen und sehen Sie, was passiert !</translation>
    </message>
    <message>
        <source>C Factor (Default=%1)</source>
        <translation>Faktor C (Standard: %1)</translation>
    </message>
    <message>
        <source>D Factor (Default=%1)</source>
        <translation>Faktor D (Standard: %1)</translation>
    </message>
    <message>
        <source>A Multiplier (Default=%1)</source>
        <translation>Multiplikator A (Standard: %1)</translation>
    </message>
    <message>
        <source>B Multiplier (Default=%1)</source>
        <translation>Multiplikator B (Standard: %1)</translation>
    </message>
    <message>
        <source>On Negative Value, set A = </source>
        <translation>Bei negativem Wert A setzen auf</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Abs(A)</source>
        <translation>Betrag(A)</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>mottler::AgeThumbnail</name>
    <message>
        <source>Iterations : %1</source>
        <translation>Iterationen: %1</translation>
    </message>
    <message>
        <source>Texture age %1</source>
        <translation>Alter der Textur: %1</translation>
    </message>
</context>
<context>
    <name>mottler::AnimatedGif</name>
    <message>
        <source>The GIF image could not be encoded: a frame is empty.</source>
        <translation>Das GIF-Bild konnte nicht kodiert werden: ein Einzelbild ist leer.</translation>
    </message>
    <message>
        <source>The GIF image could not be encoded: there are no frames.</source>
        <translation>Das GIF-Bild konnte nicht kodiert werden: es gibt keine Einzelbilder.</translation>
    </message>
</context>
<context>
    <name>mottler::AnimationExport</name>
    <message>
        <source>There are no frames to export: the chosen range holds no recorded frame.</source>
        <translation>Es gibt keine Bilder zum Exportieren: der gewählte Bereich enthält kein aufgenommenes Bild.</translation>
    </message>
</context>
<context>
    <name>mottler::AviWriter</name>
    <message>
        <source>Could not create the AVI file &quot;%1&quot;: %2.</source>
        <translation>Die AVI-Datei „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Could not add frame: it is %1 x %2 pixels, the video %3 x %4.</source>
        <translation>Das Bild konnte nicht angefügt werden: es hat %1 × %2 Pixel, das Video %3 × %4.</translation>
    </message>
    <message>
        <source>The AVI file &quot;%1&quot; has reached 1 GB, the largest plain AVI file many players can read.  It keeps the %2 frames written so far.</source>
        <translation>Die AVI-Datei „%1“ hat 1 GB erreicht, die größte einfache AVI-Datei, die viele Player lesen können.  Sie behält die %2 bisher geschriebenen Bilder.</translation>
    </message>
    <message>
        <source>%1 to &quot;%2&quot;: %3.</source>
        <translation>%1 zu „%2“: %3.</translation>
    </message>
    <message>
        <source>Could not finish the AVI file &quot;%1&quot;: %2.</source>
        <translation>Die AVI-Datei „%1“ konnte nicht abgeschlossen werden: %2.</translation>
    </message>
    <message>
        <source>Could not create the AVI file &quot;&quot;: no file name given.</source>
        <translation>Die AVI-Datei „“ konnte nicht angelegt werden: kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>There are no frames to save in &quot;%1&quot;.</source>
        <translation>Es gibt keine Bilder zum Speichern in „%1“.</translation>
    </message>
    <message>
        <source>Failed to create DIB.</source>
        <translation>Das Bitmap konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not add frame</source>
        <translation>Das Bild konnte nicht angefügt werden</translation>
    </message>
</context>
<context>
    <name>mottler::BmpFile</name>
    <message>
        <source>There is no picture to write.</source>
        <translation>Es gibt kein Bild zum Schreiben.</translation>
    </message>
</context>
<context>
    <name>mottler::ColourBands</name>
    <message>
        <source>A spectrum of %1 × %2 rows cannot be drawn.</source>
        <translation>Ein Spektrum von %1 × %2 Zeilen kann nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Cannot scan less than 24bit bitmap.</source>
        <translation>Bitmaps unter 24 Bit können nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>mottler::ColourCodes</name>
    <message>
        <source>None of the colors have yet been set, so no text has been placed in the clipboard.</source>
        <translation>Noch ist keine der Farben festgelegt, daher wurde kein Text in die Zwischenablage gelegt.</translation>
    </message>
    <message>
        <source>The following text has been placed in your clipboard :<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Folgender Text wurde in die Zwischenablage gelegt:

</translation>
    </message>
</context>
<context>
    <name>mottler::ColourDropDown</name>
    <message>
        <source>Choose a colour</source>
        <translation>Eine Farbe wählen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>An HTML colour code such as FF8000, or red, green and blue as 255,128,0; Ctrl+Enter opens the colour picker</source>
        <translation>Ein HTML-Farbcode wie FF8000 oder Rot, Grün und Blau wie 255,128,0; Strg+Eingabe öffnet den Farbwähler</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <translation>%1 wählen</translation>
    </message>
</context>
<context>
    <name>mottler::ColourEntry</name>
    <message>
        <source>All values must be between 0 and 255.</source>
        <translation>Alle Werte müssen zwischen 0 und 255 liegen.</translation>
    </message>
    <message>
        <source>HTML colours must be entered using hexadecimal characters.  This includes the numbers from 0 to 9 and the letters from A to F.</source>
        <translation>HTML-Farben werden mit hexadezimalen Zeichen eingegeben, also mit den Ziffern 0 bis 9 und den Buchstaben A bis F.</translation>
    </message>
</context>
<context>
    <name>mottler::ColourGrid</name>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
</context>
<context>
    <name>mottler::ColourPickerDialog</name>
    <message>
        <source>Color Picker</source>
        <translation>Farbwähler</translation>
    </message>
    <message>
        <source>Select palette or GIF</source>
        <translation>Palette oder GIF wählen</translation>
    </message>
    <message>
        <source>Load palette</source>
        <translation>Palette laden</translation>
    </message>
    <message>
        <source>More colors</source>
        <translation>Weitere Farben</translation>
    </message>
    <message>
        <source>Palette Order</source>
        <translation>Reihenfolge der Palette</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message>
        <source>Selected color</source>
        <translation>Gewählte Farbe</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Find nearest color in palette</source>
        <translation>Nächstliegende Farbe der Palette suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Pick a color from the screen</source>
        <translation>Eine Farbe vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Magnify part of the screen</source>
        <translation>Einen Teil des Bildschirms vergrößern</translation>
    </message>
    <message>
        <source>&amp;Fade</source>
        <translation>&amp;Überblenden</translation>
    </message>
    <message>
        <source>Custom Color Schemes</source>
        <translation>Eigene Farbschemata</translation>
    </message>
    <message>
        <source>Create new group of custom colors</source>
        <translation>Neue Gruppe eigener Farben anlegen</translation>
    </message>
    <message>
        <source>Remove a group of custom colors</source>
        <translation>Eine Gruppe eigener Farben entfernen</translation>
    </message>
    <message>
        <source>&amp;Set Current Color</source>
        <translation>Als aktuelle Farbe &amp;setzen</translation>
    </message>
    <message>
        <source>&amp;Delete Color</source>
        <translation>Farbe &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Clear All Colors</source>
        <translation>&amp;Alle Farben löschen</translation>
    </message>
    <message>
        <source>All values must be between 0 and 255.</source>
        <translation>Alle Werte müssen zwischen 0 und 255 liegen.</translation>
    </message>
    <message>
        <source>GIF files (*.gif)|*.gif|Palette Files (RIFF &amp; JASC) (*.pal)|*.pal|Photoshop Palettes (*.act)|*.act</source>
        <translation>GIF-Dateien (*.gif)|*.gif|Palettendateien (RIFF &amp; JASC) (*.pal)|*.pal|Photoshop-Paletten (*.act)|*.act</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.  The default websafe palette will be displayed instead.</source>
        <translation>Die Datei „%1“ gibt es nicht.  Stattdessen wird die websichere Standardpalette gezeigt.</translation>
    </message>
    <message>
        <source>Find nearest color in palette and spectrum</source>
        <translation>Nächstliegende Farbe in Palette und Spektrum suchen</translation>
    </message>
    <message>
        <source>A scheme name cannot contain &quot;/&quot; or &quot;\&quot;.</source>
        <translation>Der Name eines Farbschemas darf weder „/“ noch „\“ enthalten.</translation>
    </message>
    <message>
        <source>The [Default] scheme cannot be deleted.</source>
        <translation>Das Schema [Default] kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this scheme ?</source>
        <translation>Möchten Sie dieses Farbschema wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all custom colors ?</source>
        <translation>Möchten Sie wirklich alle eigenen Farben löschen?</translation>
    </message>
    <message>
        <source>New Scheme Name</source>
        <translation>Name des neuen Schemas</translation>
    </message>
    <message>
        <source>Please choose a name for this scheme</source>
        <translation>Bitte geben Sie diesem Farbschema einen Namen</translation>
    </message>
</context>
<context>
    <name>mottler::ControlPoints</name>
    <message>
        <source>No more than ten color control points can be created.</source>
        <translation>Es können höchstens zehn Farbpunkte angelegt werden.</translation>
    </message>
</context>
<context>
    <name>mottler::DataFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The resource does not exist.</source>
        <translation>Die Ressource gibt es nicht.</translation>
    </message>
    <message>
        <source>An error occurred while trying to extract %1 to %2.

%3</source>
        <translation>Beim Entpacken von %1 nach %2 ist ein Fehler aufgetreten.

%3</translation>
    </message>
</context>
<context>
    <name>mottler::DocumentRun</name>
    <message>
        <source>Press ESC to stop</source>
        <translation>Mit Esc anhalten</translation>
    </message>
</context>
<context>
    <name>mottler::Engine</name>
    <message>
        <source>There is not enough memory to support textures of that size.  Please choose a smaller size (e.g. 100 X 100) for your textures.</source>
        <translation>Für Texturen dieser Größe reicht der Speicher nicht.  Bitte wählen Sie eine kleinere Größe (z. B. 100 × 100) für Ihre Texturen.</translation>
    </message>
</context>
<context>
    <name>mottler::ExploreWindow</name>
    <message>
        <source>: no texture, the numbers went out of range</source>
        <translation>: keine Textur, die Zahlen haben den Wertebereich verlassen</translation>
    </message>
    <message>
        <source>: no texture, %1</source>
        <translation>: keine Textur, %1</translation>
    </message>
    <message>
        <source>Explore Variations</source>
        <translation>Varianten erkunden</translation>
    </message>
    <message>
        <source>Map complete</source>
        <translation>Karte fertig</translation>
    </message>
    <message>
        <source>Across from</source>
        <translation>Waagerecht von</translation>
    </message>
    <message>
        <source>Across to</source>
        <translation>Waagerecht bis</translation>
    </message>
    <message>
        <source>Down from</source>
        <translation>Senkrecht von</translation>
    </message>
    <message>
        <source>Down to</source>
        <translation>Senkrecht bis</translation>
    </message>
    <message>
        <source> per side</source>
        <translation> je Seite</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Centre on &amp;Texture</source>
        <translation>Auf &amp;Textur zentrieren</translation>
    </message>
    <message>
        <source>A new map around the texture&apos;s current values</source>
        <translation>Eine neue Karte um die aktuellen Werte der Textur</translation>
    </message>
    <message>
        <source>&amp;Save Map...</source>
        <translation>Karte &amp;speichern …</translation>
    </message>
    <message>
        <source>&amp;Across:</source>
        <translation>&amp;Waagerecht:</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;Down:</source>
        <translation>Sen&amp;krecht:</translation>
    </message>
    <message>
        <source>&amp;Cells:</source>
        <translation>Ze&amp;llen:</translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>PNG (*.png);;JPEG (*.jpg *.jpeg);;BMP (*.bmp);;WebP (*.webp)</source>
        <translation>PNG (*.png);;JPEG (*.jpg *.jpeg);;BMP (*.bmp);;WebP (*.webp)</translation>
    </message>
</context>
<context>
    <name>mottler::ExportAnimationDialog</name>
    <message>
        <source>%1 Frames</source>
        <translation>%1 Bilder</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Analysing Frame 00000</source>
        <translation>Bild 00000 wird analysiert</translation>
    </message>
    <message>
        <source>&amp;Export Options</source>
        <translation>&amp;Exportoptionen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Which frames are in the exported animation?</source>
        <translation>Welche Bilder gehören zur exportierten Animation?</translation>
    </message>
    <message>
        <source>Between Frame #</source>
        <translation>Von Bild Nr.</translation>
    </message>
    <message>
        <source>and</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Include every &apos;n&apos;th frame (1=every frame)</source>
        <translation>Jedes n-te Bild übernehmen (1 = jedes Bild)</translation>
    </message>
    <message>
        <source>&amp;Looping</source>
        <translation>Sch&amp;leife</translation>
    </message>
    <message>
        <source>Ping Pong all frames</source>
        <translation>Alle Bilder vor und zurück</translation>
    </message>
    <message>
        <source>Blend first/last &quot;n&quot; frames</source>
        <translation>Erste/letzte „n“ Bilder überblenden</translation>
    </message>
    <message>
        <source>S&amp;ave Format</source>
        <translation>Speicher&amp;format</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>Animiertes GIF</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>BMP-Dateien</translation>
    </message>
    <message>
        <source>AVI</source>
        <translation>AVI</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Frame </source>
        <translation>Bild </translation>
    </message>
    <message>
        <source>Current Length</source>
        <translation>Aktuelle Länge</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>%1 has been created.</source>
        <translation>%1 wurde erstellt.</translation>
    </message>
    <message>
        <source>The animation frames have been written to %1</source>
        <translation>Die Bilder der Animation wurden gespeichert in %1</translation>
    </message>
    <message>
        <source>Analysing Frame %1</source>
        <translation>Bild %1 wird analysiert</translation>
    </message>
    <message>
        <source>Saving Frame %1</source>
        <translation>Bild %1 wird gespeichert</translation>
    </message>
    <message>
        <source>Initializing...</source>
        <translation>Wird vorbereitet …</translation>
    </message>
    <message>
        <source>Frames to blend</source>
        <translation>Zu überblendende Bilder</translation>
    </message>
    <message>
        <source>Transparent colour</source>
        <translation>Transparente Farbe</translation>
    </message>
    <message>
        <source>WebM video (VP9)</source>
        <translation>WebM-Video (VP9)</translation>
    </message>
    <message>
        <source>MP4 video (H.264)</source>
        <translation>MP4-Video (H.264)</translation>
    </message>
    <message>
        <source>Animated WebP</source>
        <translation>Animiertes WebP</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>L&amp;ossless</source>
        <translation>&amp;Verlustfrei</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>&amp;Quality</source>
        <translation>&amp;Qualität</translation>
    </message>
    <message>
        <source>Frame &amp;rate</source>
        <translation>Bild&amp;rate</translation>
    </message>
    <message>
        <source>a second</source>
        <translation>pro Sekunde</translation>
    </message>
</context>
<context>
    <name>mottler::FileReplacement</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Mottler does not follow for a file it names itself</source>
        <translation>es ist eine symbolische Verknüpfung, der Mottler bei selbst benannten Dateien nicht folgt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>den Ordner „%1“ gibt es nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>mottler::Frames</name>
    <message>
        <source>There is not enough memory to record this number of frames at the current frame size.</source>
        <translation>Der Speicher reicht nicht, um so viele Bilder in der aktuellen Bildgröße aufzunehmen.</translation>
    </message>
</context>
<context>
    <name>mottler::FullSizeView</name>
    <message>
        <source>%1 by %2 tiles</source>
        <translation>%1 × %2 Kacheln</translation>
    </message>
    <message>
        <source> (Right-click for original image)</source>
        <translation> (Rechtsklick zeigt das Ausgangsbild)</translation>
    </message>
    <message>
        <source> Frame %1</source>
        <translation> Bild %1</translation>
    </message>
    <message>
        <source>Press ESC To Close</source>
        <translation>Mit Esc schließen</translation>
    </message>
</context>
<context>
    <name>mottler::GifColours</name>
    <message>
        <source>The colours of the GIF image could not be reduced.</source>
        <translation>Die Farben des GIF-Bildes konnten nicht reduziert werden.</translation>
    </message>
</context>
<context>
    <name>mottler::GifStream</name>
    <message>
        <source>The GIF image could not be encoded: %1.</source>
        <translation>Das GIF-Bild konnte nicht kodiert werden: %1.</translation>
    </message>
    <message>
        <source>The GIF image could not be encoded: more than 256 colours.</source>
        <translation>Das GIF-Bild konnte nicht kodiert werden: mehr als 256 Farben.</translation>
    </message>
    <message>
        <source>A GIF image cannot be %1 pixels wide or high (1 … %2).</source>
        <translation>Ein GIF-Bild kann nicht %1 Pixel breit oder hoch sein (1 … %2).</translation>
    </message>
</context>
<context>
    <name>mottler::GradientEdit</name>
    <message>
        <source>New Gradient</source>
        <translation>Neuer Verlauf</translation>
    </message>
    <message>
        <source>Add Colour Point</source>
        <translation>Farbpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Delete Colour Point</source>
        <translation>Farbpunkt löschen</translation>
    </message>
    <message>
        <source>Reset Contrast and Brightness</source>
        <translation>Kontrast und Helligkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Change Contrast</source>
        <translation>Kontrast ändern</translation>
    </message>
    <message>
        <source>Change Brightness</source>
        <translation>Helligkeit ändern</translation>
    </message>
    <message>
        <source>Recolour Colour Point</source>
        <translation>Farbpunkt umfärben</translation>
    </message>
    <message>
        <source>Move Colour Point</source>
        <translation>Farbpunkt verschieben</translation>
    </message>
    <message>
        <source>Change Gradient</source>
        <translation>Verlauf ändern</translation>
    </message>
</context>
<context>
    <name>mottler::GradientEditor</name>
    <message>
        <source>Choose the color of the selected point</source>
        <translation>Die Farbe des gewählten Farbpunkts wählen</translation>
    </message>
    <message>
        <source>Delete control point</source>
        <translation>Farbpunkt löschen</translation>
    </message>
    <message>
        <source>Lock palette</source>
        <translation>Palette sperren</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Copy Color</source>
        <translation>Farbe kopieren</translation>
    </message>
    <message>
        <source>Double-click to add new point
Right click to randomize</source>
        <translation>Doppelklick fügt einen Farbpunkt hinzu
Rechtsklick erzeugt einen Zufallsverlauf</translation>
    </message>
</context>
<context>
    <name>mottler::GradientPage</name>
    <message>
        <source>You can adjust the width of the gradient by holding down the left mouse button in the &quot;Tile Preview&quot; window, or by using the &quot;Width&quot; box above.</source>
        <translation>Die Breite des Verlaufs ändern Sie mit gedrückter linker Maustaste in der Kachelvorschau oder im Feld „Breite“ oben.</translation>
    </message>
    <message>
        <source>&amp;Add Border</source>
        <translation>&amp;Rand hinzufügen</translation>
    </message>
    <message>
        <source>Display a graduated border to the right of the main gradient</source>
        <translation>Rechts vom Hauptverlauf einen abgestuften Rand zeigen</translation>
    </message>
    <message>
        <source>Save this pattern</source>
        <translation>Dieses Muster als Vorlage speichern</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>Gradient &amp;Start Color</source>
        <translation>Start&amp;farbe des Verlaufs</translation>
    </message>
    <message>
        <source>Gradient &amp;End Color</source>
        <translation>&amp;Endfarbe des Verlaufs</translation>
    </message>
    <message>
        <source>Use Texture gradient (Forces Width=256)</source>
        <translation>Farbverlauf der Textur verwenden (Breite = 256)</translation>
    </message>
    <message>
        <source>Uses the color gradient from the Texture Settings tab</source>
        <translation>Verwendet den Farbverlauf von der Seite „Textur“</translation>
    </message>
    <message>
        <source>The width of the gradient</source>
        <translation>Die Breite des Verlaufs</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Bre&amp;ite</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>Hintergr&amp;undfarbe</translation>
    </message>
    <message>
        <source>The width of the border between the gradient and background</source>
        <translation>Die Breite des Rands zwischen Verlauf und Hintergrund</translation>
    </message>
    <message>
        <source>Border Width</source>
        <translation>Randbreite</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Randfarbe</translation>
    </message>
    <message>
        <source>&amp;Output Size for Fading Border</source>
        <translation>&amp;Ausgabegröße für den Verlaufsrand</translation>
    </message>
    <message>
        <source>The height of the gradient</source>
        <translation>Die Höhe des Verlaufs</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>mottler::GradientStore</name>
    <message>
        <source>The %1 &quot;%2&quot; of the gradient &quot;%3&quot; is not a valid colour number.</source>
        <translation>Die %1 „%2“ des Verlaufs „%3“ ist keine gültige Farbnummer.</translation>
    </message>
    <message>
        <source>border colour</source>
        <translation>Randfarbe</translation>
    </message>
    <message>
        <source>start colour</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <source>end colour</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <source>background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
</context>
<context>
    <name>mottler::GradientStrip</name>
    <message>
        <source>Fading border width &lt;= 0.  Please use a higher value.</source>
        <translation>Breite des Verlaufsrands &lt;= 0.  Bitte verwenden Sie einen größeren Wert.</translation>
    </message>
    <message>
        <source>Fading border height &lt;= 0.  Please use a higher value.</source>
        <translation>Höhe des Verlaufsrands &lt;= 0.  Bitte verwenden Sie einen größeren Wert.</translation>
    </message>
    <message>
        <source>There is not enough memory for a fading border of that size.  Please use a smaller value.</source>
        <translation>Für einen Verlaufsrand dieser Größe reicht der Speicher nicht.  Bitte verwenden Sie einen kleineren Wert.</translation>
    </message>
</context>
<context>
    <name>mottler::Growth</name>
    <message>
        <source>Out of memory</source>
        <translation>Kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>The mathematics involved in this calculation have gone outside the range this computer can handle.  Texture growth will be stopped here.  

Please choose some new settings and try again.</source>
        <translation>Die Rechnung hat den Zahlenbereich verlassen, den dieser Computer darstellen kann.  Das Wachstum der Textur wird hier angehalten.  

Bitte wählen Sie andere Einstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>An internal error has occurred while growing this texture.

</source>
        <translation>Beim Wachsen dieser Textur ist ein interner Fehler aufgetreten.

</translation>
    </message>
</context>
<context>
    <name>mottler::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Mottler</source>
        <translation>Ü&amp;ber Mottler</translation>
    </message>
</context>
<context>
    <name>mottler::HelpWindow</name>
    <message>
        <source>Mottler Help</source>
        <translation>Mottler-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>mottler::ImageFile</name>
    <message>
        <source>a %1 picture can be at most %2 pixels wide and high, and this one is %3 x %4</source>
        <translation>ein %1-Bild kann höchstens %2 Pixel breit und hoch sein, dieses hat %3 × %4</translation>
    </message>
    <message>
        <source>The PNG image could not be encoded.</source>
        <translation>Das PNG-Bild konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The image cannot be saved: %1.</source>
        <translation>Das Bild kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The image format is not known.</source>
        <translation>Das Bildformat ist unbekannt.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the file name must end in .bmp, .png, .jpg, .jpeg, .gif or .webp.</source>
        <translation>„%1“ kann nicht gespeichert werden: der Dateiname muss auf .bmp, .png, .jpg, .jpeg, .gif oder .webp enden.</translation>
    </message>
</context>
<context>
    <name>mottler::ImageMemory</name>
    <message>
        <source>there is not enough memory for a picture of %1 x %2 pixels</source>
        <translation>der Speicher reicht nicht für ein Bild von %1 × %2 Pixeln</translation>
    </message>
</context>
<context>
    <name>mottler::IniFile</name>
    <message>
        <source>The %1 &quot;%2&quot; cannot be stored in an INI file.</source>
        <translation>Der %1 „%2“ kann nicht in einer INI-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>section name</source>
        <translation>Abschnittsname</translation>
    </message>
    <message>
        <source>key name</source>
        <translation>Schlüsselname</translation>
    </message>
    <message>
        <source>The key name &quot;%1&quot; cannot be stored in an INI file.</source>
        <translation>Der Schlüsselname „%1“ kann nicht in einer INI-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>The value of &quot;%1&quot; holds a line break, which an INI file cannot store.</source>
        <translation>Der Wert von „%1“ enthält einen Zeilenumbruch, den eine INI-Datei nicht speichern kann.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be an INI file.</source>
        <translation>Die Datei „%1“ ist zu groß für eine INI-Datei.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: another program is writing it (its lock file &quot;%1.lock&quot; is held).</source>
        <translation>„%1“ konnte nicht geschrieben werden: ein anderes Programm schreibt gerade hinein (seine Sperrdatei „%1.lock“ ist belegt).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>„%1“ ist ein Ordner, keine Datei.</translation>
    </message>
</context>
<context>
    <name>mottler::InitialImage</name>
    <message>
        <source>The picture &quot;%1&quot; does not exist.</source>
        <translation>Das Bild „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is not a regular file.</source>
        <translation>Das Bild „%1“ ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large for the memory: it is %2 x %3 pixels.</source>
        <translation>Das Bild „%1“ ist zu groß für den Speicher: es hat %2 × %3 Pixel.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be read: %2.</source>
        <translation>Das Bild „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>mottler::JpegFile</name>
    <message>
        <source>There is no image to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The JPEG quality must lie between 1 and 100, not %1.</source>
        <translation>Die JPEG-Qualität muss zwischen 1 und 100 liegen, nicht bei %1.</translation>
    </message>
    <message>
        <source>The JPEG image could not be encoded: %1.</source>
        <translation>Das JPEG-Bild konnte nicht kodiert werden: %1.</translation>
    </message>
</context>
<context>
    <name>mottler::MainWindow</name>
    <message>
        <source>Texture Settings</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Gradient Settings</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Preview Settings</source>
        <translation>Webvorschau</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Set File Recording Options</source>
        <translation>Aufnahme in Datei einrichten</translation>
    </message>
    <message>
        <source>&amp;Import Texture Pack</source>
        <translation>Texturpaket &amp;importieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Te&amp;xture</source>
        <translation>&amp;Textur</translation>
    </message>
    <message>
        <source>&amp;Generate Texture</source>
        <translation>Textur &amp;erzeugen</translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation>Er&amp;weitert</translation>
    </message>
    <message>
        <source>Mottler - [%1 by %2]</source>
        <translation>Mottler - [%1 × %2]</translation>
    </message>
    <message>
        <source>Warning: You must be running at higher than 256 colors to use this program.  Please close Mottler, adjust your Display Properties (right-click on your Desktop and click Properties) to have a Color Palette of 16-Bit (65 000 colors) or better.</source>
        <translation>Warnung: Mottler braucht eine Farbtiefe von mehr als 256 Farben.  Bitte beenden Sie Mottler und stellen Sie in den Anzeigeeinstellungen Ihres Desktops eine Farbtiefe von 16 Bit (65 000 Farben) oder mehr ein.</translation>
    </message>
    <message>
        <source>Paint aging windows is now %1</source>
        <translation>Altersbilder zeichnen ist jetzt %1</translation>
    </message>
    <message>
        <source>Process messages during texture growth %1</source>
        <translation>Ereignisse während des Wachstums verarbeiten: %1</translation>
    </message>
    <message>
        <source>Progress bar is now %1</source>
        <translation>Fortschrittsbalken ist jetzt %1</translation>
    </message>
    <message>
        <source>Your image has been copied to the clipboard.</source>
        <translation>Ihr Bild wurde in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Would you like to make this texture your desktop wallpaper ?</source>
        <translation>Möchten Sie diese Textur als Hintergrundbild Ihres Desktops verwenden?</translation>
    </message>
    <message>
        <source>&amp;Explore Variations...</source>
        <translation>&amp;Varianten erkunden …</translation>
    </message>
    <message>
        <source>&amp;Save Image</source>
        <translation>Bild &amp;speichern</translation>
    </message>
    <message>
        <source>Change &amp;Size</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Set as &amp;Wallpaper</source>
        <translation>Als &amp;Hintergrundbild verwenden</translation>
    </message>
    <message>
        <source>True</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>False</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Adopt Variation</source>
        <translation>Variante übernehmen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
<context>
    <name>mottler::Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Kommazahl</translation>
    </message>
</context>
<context>
    <name>mottler::NumericEdit</name>
    <message>
        <source>Choose the file to open</source>
        <translation>Die zu öffnende Datei wählen</translation>
    </message>
    <message>
        <source>Choose where to save</source>
        <translation>Den Speicherort wählen</translation>
    </message>
</context>
<context>
    <name>mottler::PaletteFile</name>
    <message>
        <source>An error occurred while reading this file.  It is either not a valid GIF file or it has no Global Palette.</source>
        <translation>Beim Lesen dieser Datei ist ein Fehler aufgetreten.  Sie ist entweder keine gültige GIF-Datei oder hat keine globale Palette.</translation>
    </message>
    <message>
        <source>This RIFF palette is damaged: the file is too short to hold its header.</source>
        <translation>Diese RIFF-Palette ist beschädigt: die Datei ist zu kurz für ihren Kopf.</translation>
    </message>
    <message>
        <source>This RIFF file is not a palette: its form type is not &quot;PAL &quot;.</source>
        <translation>Diese RIFF-Datei ist keine Palette: ihr Formtyp ist nicht „PAL “.</translation>
    </message>
    <message>
        <source>This Photoshop color table holds no colors.</source>
        <translation>Diese Photoshop-Farbtabelle enthält keine Farben.</translation>
    </message>
    <message>
        <source>Line %1 of this JASC palette is not a color given as three numbers from 0 to 255.</source>
        <translation>Zeile %1 dieser JASC-Palette ist keine Farbe aus drei Zahlen von 0 bis 255.</translation>
    </message>
    <message>
        <source>This file is not a JASC palette: it does not begin with &quot;JASC-PAL&quot;.</source>
        <translation>Diese Datei ist keine JASC-Palette: sie beginnt nicht mit „JASC-PAL“.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a palette (over 1 MB).</source>
        <translation>Die Datei „%1“ ist zu groß für eine Palette (über 1 MB).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is neither a JASC nor a RIFF palette.</source>
        <translation>Die Datei „%1“ ist weder eine JASC- noch eine RIFF-Palette.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a palette file: palettes are read from .pal, .act and .gif files.</source>
        <translation>Die Datei „%1“ ist keine Palettendatei: Paletten werden aus .pal-, .act- und .gif-Dateien gelesen.</translation>
    </message>
</context>
<context>
    <name>mottler::PickerPaste</name>
    <message>
        <source>%1 is not a valid HTML color code.</source>
        <translation>%1 ist kein gültiger HTML-Farbcode.</translation>
    </message>
</context>
<context>
    <name>mottler::Preset</name>
    <message>
        <source>The value &quot;%1&quot; of &quot;%2&quot; is not a valid number.</source>
        <translation>Der Wert „%1“ von „%2“ ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>The position &quot;%1&quot; of &quot;%2&quot; is not a valid whole number.</source>
        <translation>Die Position „%1“ von „%2“ ist keine gültige ganze Zahl.</translation>
    </message>
</context>
<context>
    <name>mottler::PresetGrowth</name>
    <message>
        <source>  %1 points of the preset were left out.</source>
        <translation>  %1 Farbpunkte der Vorlage wurden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>mottler::PresetNamePrompt</name>
    <message>
        <source>Enter Name Of Preset</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <source>What is the name of this preset ?</source>
        <translation>Wie soll diese Vorlage heißen?</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>New Gradient Name</source>
        <translation>Name des neuen Verlaufs</translation>
    </message>
    <message>
        <source>Please enter a name for your new gradient</source>
        <translation>Bitte geben Sie einen Namen für den neuen Verlauf ein</translation>
    </message>
    <message>
        <source>Replace the gradient &quot;%1&quot;?</source>
        <translation>Den Verlauf „%1“ ersetzen?</translation>
    </message>
</context>
<context>
    <name>mottler::PreviewFiles</name>
    <message>
        <source>The Preview Page &quot;%1&quot; has the name Mottler gives its preview pages.  Please choose another file, or rename that one.</source>
        <translation>Die Vorschauseite „%1“ trägt den Namen, den Mottler seinen eigenen Vorschauseiten gibt.  Bitte wählen Sie eine andere Datei oder benennen Sie diese um.</translation>
    </message>
</context>
<context>
    <name>mottler::PreviewFrame</name>
    <message>
        <source>%1 by %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Texture Preview (Double-click to expand) %1 by %2 currently shown</source>
        <translation>Vorschau (Doppelklick vergrößert), %1 × %2 sichtbar</translation>
    </message>
    <message>
        <source>Allocating memory</source>
        <translation>Speicher wird belegt</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Change Si&amp;ze</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Kacheln</translation>
    </message>
    <message>
        <source>Display the frame in a tiled pattern</source>
        <translation>Das Bild gekachelt anzeigen</translation>
    </message>
    <message>
        <source>Ani&amp;mate growth</source>
        <translation>Wachstum &amp;zeigen</translation>
    </message>
    <message>
        <source>Display every frame while growing texture</source>
        <translation>Während des Wachstums jedes Bild anzeigen</translation>
    </message>
    <message>
        <source>Show every &apos;n&apos;th frame while growing.</source>
        <translation>Während des Wachstums jedes n-te Bild anzeigen.</translation>
    </message>
    <message>
        <source>&amp;Save Image</source>
        <translation>Bild spei&amp;chern</translation>
    </message>
    <message>
        <source>Save this image for use in your web pages</source>
        <translation>Dieses Bild für Ihre Webseiten speichern</translation>
    </message>
    <message>
        <source>Preview In Browser</source>
        <translation>Im Browser ansehen</translation>
    </message>
    <message>
        <source>Uses your web browser to preview your texture as a background</source>
        <translation>Zeigt Ihre Textur im Webbrowser als Seitenhintergrund</translation>
    </message>
    <message>
        <source>Copy To Clipboard</source>
        <translation>In die Zwischenablage</translation>
    </message>
    <message>
        <source>The preview page could not be opened in your web browser.  It has been written to:
%1</source>
        <translation>Die Vorschauseite konnte nicht im Webbrowser geöffnet werden.  Sie wurde gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Show every nth frame</source>
        <translation>Jedes n-te Bild zeigen</translation>
    </message>
</context>
<context>
    <name>mottler::PreviewPage</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large (over 16 MB).</source>
        <translation>Die Datei „%1“ ist zu groß (über 16 MB).</translation>
    </message>
    <message>
        <source>The Preview Page you have chosen does not contain a &lt;BODY&gt; tag.  Please choose another file, or edit that one to include a &lt;BODY&gt; tag.</source>
        <translation>Die gewählte Vorschauseite enthält kein &lt;BODY&gt;-Tag.  Bitte wählen Sie eine andere Datei oder ergänzen Sie diese um ein &lt;BODY&gt;-Tag.</translation>
    </message>
    <message>
        <source>The Preview Page you have chosen holds so many &lt;BODY&gt; tags that its preview would be larger than 64 MB.  Please choose another file.</source>
        <translation>Die gewählte Vorschauseite enthält so viele &lt;BODY&gt;-Tags, dass ihre Vorschau größer als 64 MB würde.  Bitte wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>mottler::PreviewSettingsPage</name>
    <message>
        <source>This section allows you to compare the colors of HTML text against your Mottler background. </source>
        <translation>Hier vergleichen Sie die Farben von HTML-Text mit Ihrem Mottler-Hintergrund. </translation>
    </message>
    <message>
        <source>The &quot;Preview in Browser&quot; button will display a sample page in your browser and Copy to Clipboard will copy the relevant color codes ready to paste into your HTML document.</source>
        <translation>„Im Browser ansehen“ zeigt eine Beispielseite in Ihrem Browser, „In die Zwischenablage“ kopiert die passenden Farbcodes zum Einfügen in Ihr HTML-Dokument.</translation>
    </message>
    <message>
        <source>Use a new filename for each preview</source>
        <translation>Für jede Vorschau einen neuen Dateinamen verwenden</translation>
    </message>
    <message>
        <source>New filenames will give instant refresh on a preview, but a new browser window may be created for each preview</source>
        <translation>Neue Dateinamen aktualisieren die Vorschau sofort, können aber für jede Vorschau ein neues Browserfenster öffnen</translation>
    </message>
    <message>
        <source>HTML Pages|*.htm;*.html|All Files|*</source>
        <translation>HTML-Seiten|*.htm;*.html|Alle Dateien|*</translation>
    </message>
    <message>
        <source>How well text of this colour stands out from the background (WCAG contrast; normal text needs 4.5:1 for AA and 7:1 for AAA)</source>
        <translation>Wie deutlich sich Text dieser Farbe vom Hintergrund abhebt (WCAG-Kontrast; normaler Text braucht 4,5:1 für AA und 7:1 für AAA)</translation>
    </message>
    <message>
        <source>Preview Page (optional)</source>
        <translation>Vorschauseite (optional)</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Schrift der Vorschau</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Besuchter Link</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Aktiver Link</translation>
    </message>
    <message>
        <source>Copy To Clipboard</source>
        <translation>In die Zwischenablage</translation>
    </message>
    <message>
        <source>Copy the color codes, ready to paste into the BODY tag of your HTML document</source>
        <translation>Die Farbcodes kopieren, bereit zum Einfügen in das BODY-Tag Ihres HTML-Dokuments</translation>
    </message>
    <message>
        <source>Copy as CSS</source>
        <translation>Als CSS kopieren</translation>
    </message>
    <message>
        <source>Copy the colors and the background as a style sheet</source>
        <translation>Die Farben und den Hintergrund als Stylesheet kopieren</translation>
    </message>
</context>
<context>
    <name>mottler::RecordFrame</name>
    <message>
        <source>&amp;Record Every</source>
        <translation>Aufnehmen &amp;jedes</translation>
    </message>
    <message>
        <source>Record the animation so you can review each frame afterwards</source>
        <translation>Die Animation aufnehmen, um danach jedes Bild ansehen zu können</translation>
    </message>
    <message>
        <source>Record every &apos;n&apos;th frame to save memory</source>
        <translation>Nur jedes n-te Bild aufnehmen, um Speicher zu sparen</translation>
    </message>
    <message>
        <source>(Recording Directly To AVI File)</source>
        <translation>(Aufnahme direkt in AVI-Datei)</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Save recording</source>
        <translation>Aufnahme speichern</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Record every nth frame</source>
        <translation>Jedes n-te Bild aufnehmen</translation>
    </message>
</context>
<context>
    <name>mottler::RecordToFileWindow</name>
    <message>
        <source>Record To File</source>
        <translation>Aufnahme in Datei</translation>
    </message>
    <message>
        <source>This option allows to create AVI recordings of texture growth without first recording it to memory.  This is useful if the recording is to be very long, or the texture is very large.</source>
        <translation>Hiermit nehmen Sie das Wachstum einer Textur direkt als AVI-Datei auf, ohne es zuerst im Speicher aufzunehmen.  Das ist nützlich, wenn die Aufnahme sehr lang oder die Textur sehr groß wird.</translation>
    </message>
    <message>
        <source>Record Directly to AVI File</source>
        <translation>Direkt in AVI-Datei aufnehmen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>mottler::SafeApplication</name>
    <message>
        <source>An internal error has occurred.

</source>
        <translation>Ein interner Fehler ist aufgetreten.

</translation>
    </message>
</context>
<context>
    <name>mottler::SaveTile</name>
    <message>
        <source>Current File Size : %1 bytes</source>
        <translation>Aktuelle Dateigröße: %1 Byte</translation>
    </message>
    <message>
        <source>%1 Files (*.%1);;All Files (*)</source>
        <translation>%1-Dateien (*.%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>mottler::SaveTileDialog</name>
    <message>
        <source>Save Tile</source>
        <translation>Kachel speichern</translation>
    </message>
    <message>
        <source>Your Tile</source>
        <translation>Ihre Kachel</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Build a seamless tile up to 200 X 200 pixels</source>
        <translation>Eine nahtlose gespiegelte Kachel bis 200 × 200 Pixel bilden</translation>
    </message>
    <message>
        <source>Rotate a quarter turn to the left</source>
        <translation>Eine Vierteldrehung nach links</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate a quarter turn to the right</source>
        <translation>Eine Vierteldrehung nach rechts</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Image Dimensions</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Dateiformat</translation>
    </message>
    <message>
        <source>Quality of JPEG and WebP files (WebP at 100 % is lossless)</source>
        <translation>Qualität von JPEG- und WebP-Dateien (WebP bei 100 % ist verlustfrei)</translation>
    </message>
    <message>
        <source>C&amp;alculate Size</source>
        <translation>Größe be&amp;rechnen</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Brei&amp;te</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>H&amp;öhe</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>&amp;GIF</source>
        <translation>&amp;GIF</translation>
    </message>
    <message>
        <source>&amp;JPEG</source>
        <translation>&amp;JPEG</translation>
    </message>
    <message>
        <source>&amp;PNG</source>
        <translation>&amp;PNG</translation>
    </message>
    <message>
        <source>W&amp;ebP</source>
        <translation>&amp;WebP</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Height map</source>
        <translation>Höhenkarte</translation>
    </message>
    <message>
        <source>Normal map</source>
        <translation>Normalenkarte</translation>
    </message>
    <message>
        <source>How many pixels high the field&apos;s whole range stands</source>
        <translation>Wie viele Pixel hoch der ganze Wertebereich des Feldes aufragt</translation>
    </message>
    <message>
        <source>&amp;DirectX (green down)</source>
        <translation>&amp;DirectX (Grün nach unten)</translation>
    </message>
    <message>
        <source>Unchecked, green points up as OpenGL expects</source>
        <translation>Ohne Haken zeigt Grün nach oben, wie OpenGL es erwartet</translation>
    </message>
    <message>
        <source>O&amp;utput</source>
        <translation>A&amp;usgabe</translation>
    </message>
    <message>
        <source>Stre&amp;ngth</source>
        <translation>Stär&amp;ke</translation>
    </message>
</context>
<context>
    <name>mottler::ScreenGrab</name>
    <message>
        <source>This desktop does not let programs read the screen (Wayland or no display), so no colour can be taken from it.</source>
        <translation>Dieser Desktop erlaubt Programmen nicht, den Bildschirm zu lesen (Wayland oder keine Anzeige), daher kann keine Farbe aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>mottler::Seeding</name>
    <message>
        <source>The picture is %1 by %2, the texture %3 by %4.</source>
        <translation>Das Bild hat %1 × %2, die Textur %3 × %4.</translation>
    </message>
</context>
<context>
    <name>mottler::SpectrumView</name>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
</context>
<context>
    <name>mottler::TextColourOverlay</name>
    <message>
        <source>Document Text</source>
        <translation>Dokumenttext</translation>
    </message>
    <message>
        <source>Unused Link</source>
        <translation>Unbesuchter Link</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Besuchter Link</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Aktiver Link</translation>
    </message>
</context>
<context>
    <name>mottler::TextContrast</name>
    <message>
        <source>fail</source>
        <translation>ungenügend</translation>
    </message>
    <message>
        <source>%1 against the average, %2 against the worst pixel</source>
        <translation>%1 zum Durchschnitt, %2 zum ungünstigsten Pixel</translation>
    </message>
    <message>
        <source>The background image is empty.</source>
        <translation>Das Hintergrundbild ist leer.</translation>
    </message>
</context>
<context>
    <name>mottler::TextureCommands</name>
    <message>
        <source>The picture being loaded is a different size to the current texture. 
Would you like to resize the picture to %1 by %2.  Choose &quot;No&quot; to retain the pictures original size of %3 by %4</source>
        <translation>Das geladene Bild hat eine andere Größe als die aktuelle Textur.
Möchten Sie das Bild auf %1 × %2 skalieren?  Wählen Sie „Nein“, um die Originalgröße des Bildes von %3 × %4 zu behalten.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Allocating memory</source>
        <translation>Speicher wird belegt</translation>
    </message>
    <message>
        <source>Generate Texture</source>
        <translation>Textur erzeugen</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufallsvariante</translation>
    </message>
    <message>
        <source>Open Picture</source>
        <translation>Bild öffnen</translation>
    </message>
</context>
<context>
    <name>mottler::TextureDocument</name>
    <message>
        <source>Load Preset</source>
        <translation>Vorlage laden</translation>
    </message>
    <message>
        <source>Change Seed</source>
        <translation>Startwert ändern</translation>
    </message>
    <message>
        <source>Change Texture Type</source>
        <translation>Startmuster ändern</translation>
    </message>
    <message>
        <source>Change Picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Change Iterations</source>
        <translation>Iterationen ändern</translation>
    </message>
    <message>
        <source>Change A</source>
        <translation>Faktor A ändern</translation>
    </message>
    <message>
        <source>Change B</source>
        <translation>Faktor B ändern</translation>
    </message>
    <message>
        <source>Change Drift</source>
        <translation>Verschiebung ändern</translation>
    </message>
    <message>
        <source>Change Animate</source>
        <translation>Wachstum zeigen ändern</translation>
    </message>
    <message>
        <source>Change Animate Every</source>
        <translation>Anzeige jedes n-ten Bildes ändern</translation>
    </message>
    <message>
        <source>Change Tile</source>
        <translation>Kacheln ändern</translation>
    </message>
    <message>
        <source>Change Advanced Factors</source>
        <translation>Erweiterte Faktoren ändern</translation>
    </message>
    <message>
        <source>Apply Preset Colours</source>
        <translation>Farben der Vorlage übernehmen</translation>
    </message>
    <message>
        <source>Change Size</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Generate Texture</source>
        <translation>Textur erzeugen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Too little memory to keep the texture for Undo: undoing &quot;%1&quot; leaves the texture as it is.</source>
        <translation>Zu wenig Speicher, um die Textur für „Rückgängig“ aufzubewahren: „%1“ rückgängig zu machen lässt die Textur, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>mottler::TexturePack</name>
    <message>
        <source>A pattern called %1 already exists. Overwrite ?</source>
        <translation>Ein Muster namens %1 gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>%1 patterns have been installed.
</source>
        <translation>%1 Muster wurden installiert.
</translation>
    </message>
</context>
<context>
    <name>mottler::TexturePage</name>
    <message>
        <source>Create a variation on the current image</source>
        <translation>Eine Variante des aktuellen Bildes erzeugen</translation>
    </message>
    <message>
        <source>Ra&amp;ndom Seed</source>
        <translation>&amp;Startwert</translation>
    </message>
    <message>
        <source>Random Noise</source>
        <translation>Zufallsrauschen</translation>
    </message>
    <message>
        <source>Random Shapes</source>
        <translation>Zufallsformen</translation>
    </message>
    <message>
        <source>Noise and Shapes</source>
        <translation>Rauschen und Formen</translation>
    </message>
    <message>
        <source>Image File</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Open an image</source>
        <translation>Ein Bild öffnen</translation>
    </message>
    <message>
        <source>Initial T&amp;extureType</source>
        <translation>Start&amp;muster</translation>
    </message>
    <message>
        <source>&amp;Iterations</source>
        <translation>&amp;Iterationen</translation>
    </message>
    <message>
        <source>The &apos;&amp;A&apos; Factor</source>
        <translation>Faktor „&amp;A“</translation>
    </message>
    <message>
        <source>The &apos;&amp;B&apos; Factor</source>
        <translation>Fakto&amp;r „B“</translation>
    </message>
    <message>
        <source>No drift</source>
        <translation>Keine Verschiebung</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Ad&amp;vanced</source>
        <translation>Er&amp;weitert</translation>
    </message>
    <message>
        <source>Alter more of Mottler&apos;s growth factors !</source>
        <translation>Weitere Wachstumsfaktoren von Mottler ändern!</translation>
    </message>
    <message>
        <source>&amp;Drift Texture</source>
        <translation>Verschiebu&amp;ng</translation>
    </message>
    <message>
        <source>&amp;Generate Texture</source>
        <translation>Textur &amp;erzeugen</translation>
    </message>
    <message>
        <source>This is probably the best button to push</source>
        <translation>Wahrscheinlich der beste Knopf zum Drücken</translation>
    </message>
    <message>
        <source>C&amp;ontinue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Save this pattern</source>
        <translation>Dieses Muster als Vorlage speichern</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Vorlagen</translation>
    </message>
</context>
<context>
    <name>mottler::TexturePresets</name>
    <message>
        <source>Import Texture Pack</source>
        <translation>Texturpaket importieren</translation>
    </message>
    <message>
        <source>Texture Pack (*.txp);;All Files (*)</source>
        <translation>Texturpaket (*.txp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>mottler::TextureSize</name>
    <message>
        <source>The width and height must each be at least 2.</source>
        <translation>Breite und Höhe müssen jeweils mindestens 2 betragen.</translation>
    </message>
</context>
<context>
    <name>mottler::TextureSizeDialog</name>
    <message>
        <source>Texture Size</source>
        <translation>Texturgröße</translation>
    </message>
    <message>
        <source>The way these textures are &quot;grown&quot; means you cannot use this form to see the same texture at a higher resolution.  Changing the height or width will result in a different texture.</source>
        <translation>Weil diese Texturen „wachsen“, zeigt eine andere Größe nicht dieselbe Textur in höherer Auflösung.  Eine neue Höhe oder Breite ergibt eine andere Textur.</translation>
    </message>
    <message>
        <source>Preserve this &amp;texture size when loading presets</source>
        <translation>Diese &amp;Texturgröße beim Laden von Vorlagen beibehalten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>X</source>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>mottler::TriangleMarker</name>
    <message>
        <source>Colour point %1</source>
        <translation>Farbpunkt %1</translation>
    </message>
</context>
<context>
    <name>mottler::UpDown</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Decrease %1</source>
        <translation>%1 verringern</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>%1 erhöhen</translation>
    </message>
</context>
<context>
    <name>mottler::Variation</name>
    <message>
        <source>A multiplier</source>
        <translation>Multiplikator A</translation>
    </message>
    <message>
        <source>B multiplier</source>
        <translation>Multiplikator B</translation>
    </message>
    <message>
        <source>Iterations</source>
        <translation>Iterationen</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
</context>
<context>
    <name>mottler::VariationGrowth</name>
    <message>
        <source>The picture&apos;s fields do not fit the texture.</source>
        <translation>Die Felder des Bildes passen nicht zur Textur.</translation>
    </message>
</context>
<context>
    <name>mottler::VariationMapView</name>
    <message>
        <source>Variation map</source>
        <translation>Variantenkarte</translation>
    </message>
</context>
<context>
    <name>mottler::VideoFile</name>
    <message>
        <source>Could not write the video &quot;%1&quot;: the video module could not be loaded (%2).</source>
        <translation>Das Video „%1“ konnte nicht geschrieben werden: Das Videomodul ließ sich nicht laden (%2).</translation>
    </message>
    <message>
        <source>FFmpeg: the video module could not be loaded (%1)</source>
        <translation>FFmpeg: Das Videomodul ließ sich nicht laden (%1)</translation>
    </message>
</context>
<context>
    <name>mottler::VideoModule</name>
    <message>
        <source>%1: not a video module</source>
        <translation>%1: kein Videomodul</translation>
    </message>
    <message>
        <source>%1: a module of another version of Mottler</source>
        <translation>%1: ein Modul einer anderen Version von Mottler</translation>
    </message>
</context>
<context>
    <name>mottler::Wallpaper</name>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be started</source>
        <translation>„%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not answer in time</source>
        <translation>„%1“ hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; failed%2</source>
        <translation>„%1“ ist fehlgeschlagen%2</translation>
    </message>
    <message>
        <source>no way to set it is known for this desktop (%1)</source>
        <translation>für diesen Desktop ist kein Weg bekannt, es festzulegen (%1)</translation>
    </message>
    <message>
        <source>XDG_CURRENT_DESKTOP is not set</source>
        <translation>XDG_CURRENT_DESKTOP ist nicht gesetzt</translation>
    </message>
    <message>
        <source>The wallpaper could not be set: %1.  The picture is saved as &quot;%2&quot;.</source>
        <translation>Das Hintergrundbild konnte nicht festgelegt werden: %1.  Das Bild ist gespeichert als „%2“.</translation>
    </message>
    <message>
        <source>There is no texture to use as wallpaper.</source>
        <translation>Es gibt keine Textur, die als Hintergrundbild dienen könnte.</translation>
    </message>
    <message>
        <source>the Xfce desktop lists no backdrop picture to set</source>
        <translation>der Xfce-Desktop nennt kein Hintergrundbild, das sich festlegen ließe</translation>
    </message>
</context>
<context>
    <name>mottler::WebGif</name>
    <message>
        <source>The GIF image could not be encoded: the image is empty.</source>
        <translation>Das GIF-Bild konnte nicht kodiert werden: das Bild ist leer.</translation>
    </message>
</context>
<context>
    <name>mottler::WebpFile</name>
    <message>
        <source>There is no image to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The WebP quality must lie between 1 and 100, not %1.</source>
        <translation>Die WebP-Qualität muss zwischen 1 und 100 liegen, nicht bei %1.</translation>
    </message>
    <message>
        <source>WebP images cannot be written: Qt&apos;s WebP image plugin is not installed (Debian package qt6-image-formats-plugins).</source>
        <translation>WebP-Bilder können nicht geschrieben werden: das WebP-Plugin von Qt ist nicht installiert (Debian-Paket qt6-image-formats-plugins).</translation>
    </message>
    <message>
        <source>The WebP image could not be encoded: %1.</source>
        <translation>Das WebP-Bild konnte nicht kodiert werden: %1.</translation>
    </message>
</context>
<context>
    <name>mottler::ZoomWindow</name>
    <message>
        <source>Zoom</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How To Use</source>
        <translation>&amp;Bedienung</translation>
    </message>
    <message>
        <source>Hold the left mouse button down on this window then drag to the area you want to magnify</source>
        <translation>Halten Sie die linke Maustaste über diesem Fenster gedrückt und ziehen Sie zu dem Bereich, den Sie vergrößern möchten</translation>
    </message>
    <message>
        <source>The Color Picker&apos;s Zoom Window allows you to magnify an area of the screen and easily select a pixel who&apos;s color you wish to use.

To magnify an area of the screen simply put the cursor over the zoom window and hold down the left mouse button and drag the cursor to the area of interest.  Make sure you keep the button held down while moving or the zoom window will not magnify the area you want.

Once you have the appropriate area visible in the zoom window let go of the mouse button and point the mouse back at the zoom window.  Find your color and click on it - that&apos;s all it takes !

The slider bar on the side of the zoom window controls the level of magnification.</source>
        <translation>Mit der Lupe des Farbwählers vergrößern Sie einen Bereich des Bildschirms und wählen bequem ein Pixel, dessen Farbe Sie verwenden möchten.

Um einen Bereich zu vergrößern, setzen Sie den Mauszeiger auf die Lupe, halten die linke Maustaste gedrückt und ziehen den Zeiger zu dem gewünschten Bereich.  Halten Sie die Taste dabei gedrückt, sonst vergrößert die Lupe nicht den gewünschten Bereich.

Sobald der Bereich in der Lupe zu sehen ist, lassen Sie die Maustaste los und zeigen wieder auf die Lupe.  Suchen Sie Ihre Farbe und klicken Sie darauf – mehr ist nicht zu tun!

Der Schieberegler an der Seite der Lupe stellt die Vergrößerung ein.</translation>
    </message>
</context>
</TS>
