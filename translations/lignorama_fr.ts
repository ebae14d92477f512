<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Catalogue</name>
    <message>
        <source>Specify input file with saved parameter settings</source>
        <translation>Choisir un fichier d&apos;entrée avec les paramètres enregistrés</translation>
    </message>
    <message>
        <source>Specify your source gedcom file</source>
        <translation>Choisir votre fichier GEDCOM source</translation>
    </message>
    <message>
        <source>%string is not a valid number.</source>
        <translation>%string n&apos;est pas un nombre valide.</translation>
    </message>
    <message>
        <source>Save your parameters in an input file</source>
        <translation>Enregistrer vos paramètres dans un fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Do you want to save your changes ?</source>
        <translation>Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>Naming Scheme</source>
        <translation>Affichage des noms</translation>
    </message>
    <message>
        <source>Chart Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Make Chart</source>
        <translation>Créer le graphique</translation>
    </message>
    <message>
        <source>View Chart</source>
        <translation>Voir le graphique</translation>
    </message>
    <message>
        <source>Save Data</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Params</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Include descendants</source>
        <translation>Descendants inclus</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>How to show/hide names</source>
        <translation>Afficher/masquer les noms</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>&lt;show no name&gt;</source>
        <translation>&lt;aucun nom&gt;</translation>
    </message>
    <message>
        <source>surname</source>
        <translation>nom de famille</translation>
    </message>
    <message>
        <source>initial + surname</source>
        <translation>initiale + nom</translation>
    </message>
    <message>
        <source>given name</source>
        <translation>prénom</translation>
    </message>
    <message>
        <source>given name + surname</source>
        <translation>prénom + nom</translation>
    </message>
    <message>
        <source>highlight family name branches</source>
        <translation>mettre en évidence les branches du nom</translation>
    </message>
    <message>
        <source>alive</source>
        <translation>vivant</translation>
    </message>
    <message>
        <source>female</source>
        <translation>femme</translation>
    </message>
    <message>
        <source>male</source>
        <translation>homme</translation>
    </message>
    <message>
        <source>name of family</source>
        <translation>nom de la famille</translation>
    </message>
    <message>
        <source>no offspring</source>
        <translation>sans descendance</translation>
    </message>
    <message>
        <source>parent&apos;s name</source>
        <translation>nom du parent</translation>
    </message>
    <message>
        <source>everybody</source>
        <translation>tout le monde</translation>
    </message>
    <message>
        <source>Previous focus person</source>
        <translation>Personne centrale précédente</translation>
    </message>
    <message>
        <source>Next focus person</source>
        <translation>Personne centrale suivante</translation>
    </message>
    <message>
        <source>Double-click any person to re-focus</source>
        <translation>Double-cliquez sur une personne pour la mettre au centre</translation>
    </message>
    <message>
        <source>Focus on %person</source>
        <translation>Centré sur %person</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>Descendants</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>&lt;blank&gt;</source>
        <translation>&lt;vide&gt;</translation>
    </message>
    <message>
        <source>@ branch OFF</source>
        <translation>@ branche DÉSACTIVÉE</translation>
    </message>
    <message>
        <source>@ branch ON</source>
        <translation>@ branche ACTIVÉE</translation>
    </message>
    <message>
        <source>@ not an option</source>
        <translation>@ non disponible</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Ancêtres</translation>
    </message>
    <message>
        <source>Time needed grows exponentially with %chartdepth ...</source>
        <translation>Le temps de calcul croît exponentiellement avec la %chartdepth ...</translation>
    </message>
    <message>
        <source>Right-click a box to alter the display of the name. The HTML files will reflect your choice.</source>
        <translation>Cliquez avec le bouton droit sur une case pour modifier l&apos;affichage du nom. Les fichiers HTML tiendront compte de votre choix.</translation>
    </message>
    <message>
        <source>Grayish boxes indicate that the person involved has both parents in the chart (an inbreeding relationship exesits, but the gray coloring does not indicate how tight it is). You can find the other parent by clicking on the person. Further offspring is only shown in one branch.</source>
        <translation>Les cases grisées indiquent que les deux parents de la personne figurent dans le graphique (il y a consanguinité, mais la couleur grise n&apos;en indique pas le degré). Cliquez sur la personne pour trouver l&apos;autre parent. La descendance n&apos;est montrée que dans une seule branche.</translation>
    </message>
    <message>
        <source>The drop-down list shows everybody in the chart. Select one and the display will center around him. If you step through the list, every person visited will be highlighted.</source>
        <translation>La liste déroulante contient toutes les personnes du graphique. Choisissez-en une et l&apos;affichage se centrera sur elle. Si vous parcourez la liste, chaque personne visitée sera mise en évidence.</translation>
    </message>
    <message>
        <source>A grayish box indicates that the person involved appears more than once in the chart (a common ancestor). Further ancestors are only shown in the principal branch, which you can find by clicking on such a person. </source>
        <translation>Une case grisée indique que la personne figure plusieurs fois dans le graphique (un ancêtre commun). Ses ancêtres ne sont montrés que dans la branche principale, que vous trouverez en cliquant sur cette personne.</translation>
    </message>
    <message>
        <source>Click in the list and type a few letters to jump to the first entry with those letters. (Don&apos;t wait too long between letters, otherwise it is interpreted as a restart.) Double-click or press OK, otherwise the person with the largest tree will be chosen.</source>
        <translation>Cliquez dans la liste et tapez quelques lettres pour aller à la première entrée qui commence par ces lettres. (N&apos;attendez pas trop entre les lettres, sinon la recherche recommence.) Double-cliquez ou appuyez sur OK ; sinon, la personne ayant le plus grand arbre sera choisie.</translation>
    </message>
    <message>
        <source>The proband will be remembered. Next time you make a chart, your previous selection will be highlighted in the list. If you want to continue without change, just press OK.</source>
        <translation>Le de cujus sera mémorisé. La prochaine fois que vous créerez un graphique, votre choix précédent sera mis en évidence dans la liste. Pour continuer sans changement, appuyez simplement sur OK.</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name and the genealogy text will only show sex and birthyear.</source>
        <translation>Si vous choisissez &lt;vide&gt;, la case s&apos;affiche sans nom et le texte de la descendance n&apos;indique que le sexe et l&apos;année de naissance.</translation>
    </message>
    <message>
        <source>Boxes without a name: the naming scheme (the &quot;Naming Scheme&quot; field of the main window) picks the name form of each box, and the digit 0 shows no name. The genealogy&apos;s default scheme &quot;a0n3z2@&quot; shows persons who may still be alive (born less than 100 years ago, without a date of death) without a name, so that pages put on the web do not name living persons. Change the scheme to show them, or choose a name form for a single box with the right mouse button. The hint of an empty box says why it is empty.</source>
        <translation>Cases sans nom : l&apos;affichage des noms (le champ « Affichage des noms » de la fenêtre principale) choisit la forme du nom de chaque case, et le chiffre 0 n&apos;affiche aucun nom. Le schéma par défaut de la généalogie, « a0n3z2@ », affiche sans nom les personnes peut-être encore vivantes (nées il y a moins de 100 ans, sans date de décès), afin que les pages publiées sur le web ne nomment pas de personnes vivantes. Modifiez le schéma pour les afficher, ou choisissez une forme de nom pour une seule case avec le bouton droit de la souris. L&apos;info-bulle d&apos;une case vide explique pourquoi elle est vide.</translation>
    </message>
    <message>
        <source>No name is shown: the naming scheme &quot;%scheme&quot; gives the condition &quot;%condition&quot; (%pair) no name. Change the Naming Scheme in the main window, or choose a name form for this box with the right mouse button.</source>
        <translation>Aucun nom affiché : l&apos;affichage des noms « %scheme » ne donne aucun nom à la condition « %condition » (%pair). Modifiez l&apos;Affichage des noms dans la fenêtre principale, ou choisissez une forme de nom pour cette case avec le bouton droit de la souris.</translation>
    </message>
    <message>
        <source>No name is shown: &lt;blank&gt; was chosen for this person with the right mouse button, where another name form can be chosen.</source>
        <translation>Aucun nom affiché : &lt;vide&gt; a été choisi pour cette personne avec le bouton droit de la souris, où une autre forme de nom peut être choisie.</translation>
    </message>
    <message>
        <source>Genealogy</source>
        <translation>Descendance</translation>
    </message>
    <message>
        <source>If you select &lt;blank&gt;, then the box will be shown without a name.</source>
        <translation>Si vous choisissez &lt;vide&gt;, la case s&apos;affiche sans nom.</translation>
    </message>
    <message>
        <source>The chart shows all known offspring of the proband.</source>
        <translation>Le graphique montre tous les descendants connus du de cujus.</translation>
    </message>
    <message>
        <source>Navigation: use PgUp/PgDn to scroll vertically; in combination with Ctrl to scroll horizontally.</source>
        <translation>Navigation : PgUp/PgDn (Page préc./Page suiv.) fait défiler verticalement ; avec Ctrl, horizontalement.</translation>
    </message>
    <message>
        <source>Double-click a name for a display of close family.</source>
        <translation>Double-cliquez sur un nom pour afficher la famille proche.</translation>
    </message>
    <message>
        <source>Right-click between boxes to alter dimensions.</source>
        <translation>Cliquez avec le bouton droit entre les cases pour modifier les dimensions.</translation>
    </message>
    <message>
        <source>White-boxed persons have 2 parents, 4 grandparents, and so on. For persons in a grayish box this is not the case: one or more ancestors are reached via more than one route. The loss-% shows how far back this happens (losing 1 out of 4 grandparents implies a loss of 25%; 1 out of 8 grand-grandparents is 12.5% and so on). The higher the loss, the darker the box.</source>
        <translation>Les personnes dans une case blanche ont 2 parents, 4 grands-parents, et ainsi de suite. Pour les personnes dans une case grise ce n&apos;est pas le cas : un ou plusieurs ancêtres sont atteints par plus d&apos;un chemin. La perte en % montre à quelle distance cela se produit (perdre 1 grand-parent sur 4 donne une perte de 25% ; 1 arrière-grand-parent sur 8 donne 12,5% et ainsi de suite). Plus la perte est grande, plus la case est sombre.</translation>
    </message>
    <message>
        <source>Move over a name to get the person&apos;s details.</source>
        <translation>Passez sur un nom pour voir les données de la personne.</translation>
    </message>
    <message>
        <source>Click on a box to see the ancestors and descendants of that person (&apos;double&apos; ancestors will be highlighted, as do descendants who get this person&apos;s genes from both parents).</source>
        <translation>Cliquez sur une case pour voir les ancêtres et les descendants de cette personne (les ancêtres « doubles » sont mis en évidence, ainsi que les descendants qui reçoivent les gènes de cette personne par leurs deux parents).</translation>
    </message>
    <message>
        <source>Click anywhere else to remove the highlights (and remove this help text).</source>
        <translation>Cliquez ailleurs pour enlever les mises en évidence (et ce texte d&apos;aide).</translation>
    </message>
    <message>
        <source>The drop-down list shows the persons who suffer pedigree loss. By selecting one, you move to a graph where this person&apos;s ancestry is shown. It may be that the same person appears in another graph - but with incomplete ancestor lines.</source>
        <translation>La liste déroulante montre les personnes qui ont une perte d&apos;ascendance (implexe). En choisissant l&apos;une d&apos;elles, vous passez à un graphique qui montre ses ancêtres. La même personne peut figurer dans un autre graphique, mais avec des lignes d&apos;ancêtres incomplètes.</translation>
    </message>
    <message>
        <source>Kinship visualised</source>
        <translation>La parenté en image</translation>
    </message>
    <message>
        <source>The graph shows all ancestors necessary to explain the kinship between the highlighted probands.</source>
        <translation>Le graphique montre tous les ancêtres nécessaires pour expliquer la parenté entre les de cujus mis en évidence.</translation>
    </message>
    <message>
        <source>Click on a box to highlight the lines to ancestors and descendants of that person.</source>
        <translation>Cliquez sur une case pour mettre en évidence les lignes vers les ancêtres et les descendants de cette personne.</translation>
    </message>
    <message>
        <source>The drop-down list shows all the ancestors whose genes pass via different routes to two or more of the probands. (These ancestors are on meeting points of the pedigrees of the probands.) In the graph they are grayish. When you select one from the list, the corresponding box will be accentuated.</source>
        <translation>La liste déroulante montre tous les ancêtres dont les gènes atteignent deux de cujus ou plus par des chemins différents. (Ces ancêtres se trouvent aux points de rencontre des ascendances des de cujus.) Dans le graphique ils sont gris. Si vous en choisissez un dans la liste, sa case est accentuée.</translation>
    </message>
</context>
<context>
    <name>ChartType</name>
    <message>
        <source>Genealogy (HTML)</source>
        <translation>Descendance (HTML)</translation>
    </message>
    <message>
        <source>Inbreeding (on screen)</source>
        <translation>Consanguinité (à l&apos;écran)</translation>
    </message>
    <message>
        <source>Kinship (on screen)</source>
        <translation>Parenté (à l&apos;écran)</translation>
    </message>
    <message>
        <source>Offspring tree</source>
        <translation>Arbre de descendance</translation>
    </message>
    <message>
        <source>Pedigree (HTML)</source>
        <translation>Ascendance (HTML)</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Frise chronologique</translation>
    </message>
</context>
<context>
    <name>lg::gui::QtHost</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lg::gui::TBrowserForm</name>
    <message>
        <source>View your tableau results, then close window to continue</source>
        <translation>Consultez le résultat, puis fermez la fenêtre pour continuer</translation>
    </message>
</context>
<context>
    <name>lg::gui::TDimensionsForm</name>
    <message>
        <source>Box width</source>
        <translation>Largeur des cases</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Hauteur des cases</translation>
    </message>
    <message>
        <source>Horizontal spacing</source>
        <translation>Espacement horizontal</translation>
    </message>
    <message>
        <source>Vertical spacing</source>
        <translation>Espacement vertical</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Longueur des noms</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Adjust dimensions</source>
        <translation>Ajuster les dimensions</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>lg::gui::TExplainForm</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>lg::gui::TGCdisplay</name>
    <message>
        <source>Show previous graph</source>
        <translation>Afficher le graphique précédent</translation>
    </message>
    <message>
        <source>Focus on specific name</source>
        <translation>Centrer sur un nom</translation>
    </message>
    <message>
        <source>Show next graph</source>
        <translation>Afficher le graphique suivant</translation>
    </message>
    <message>
        <source>M</source>
        <comment>male</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>F</source>
        <comment>female</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Make and view HTML output</source>
        <translation>Créer et afficher les pages HTML</translation>
    </message>
    <message>
        <source>Save as picture...</source>
        <translation>Enregistrer comme image...</translation>
    </message>
    <message>
        <source>Save the whole chart as an SVG or PNG picture</source>
        <translation>Enregistrer tout le graphique comme image SVG ou PNG</translation>
    </message>
    <message>
        <source>Save the chart as a picture</source>
        <translation>Enregistrer le graphique comme image</translation>
    </message>
    <message>
        <source>SVG picture (*.svg);;PNG picture (*.png)</source>
        <translation>Image SVG (*.svg);;Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Pictures are saved as SVG or PNG: name the file .svg or .png.</source>
        <translation>Les images sont enregistrées en SVG ou PNG : nommez le fichier .svg ou .png.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Get a brief explanation</source>
        <translation>Brève explication</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Return to program</source>
        <translation>Retour au programme</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Send this graph to a printer</source>
        <translation>Envoyer ce graphique à une imprimante</translation>
    </message>
    <message>
        <source>Truncated chart</source>
        <translation>Graphique tronqué</translation>
    </message>
    <message>
        <source>Check last paragraph of help</source>
        <translation>Voir le dernier paragraphe de l&apos;aide</translation>
    </message>
</context>
<context>
    <name>lg::gui::THelpForm</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>To get started</source>
        <translation>Pour commencer</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Fermer l&apos;aide</translation>
    </message>
</context>
<context>
    <name>lg::gui::TInbreedingForm</name>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK / All</source>
        <translation>OK / Tous</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lg::gui::TMainForm</name>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>The GEDCOM file the charts are made of</source>
        <translation>Le fichier GEDCOM à partir duquel les graphiques sont créés</translation>
    </message>
    <message>
        <source>The parameter file: every setting, and the GEDCOM it names</source>
        <translation>Le fichier de paramètres : tous les réglages et le fichier GEDCOM qu&apos;il désigne</translation>
    </message>
    <message>
        <source>The kind of chart to make</source>
        <translation>Le type de graphique à créer</translation>
    </message>
    <message>
        <source>The language of the words written into the charts and pages</source>
        <translation>La langue des textes des graphiques et des pages</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The chart page (tableau)</source>
        <translation>La page du graphique (tableau)</translation>
    </message>
    <message>
        <source>The text page with every person&apos;s data; a # in the name makes one page per generation</source>
        <translation>La page de texte avec les données de chaque personne ; un # dans le nom produit une page par génération</translation>
    </message>
    <message>
        <source>The frames page that shows chart and text together</source>
        <translation>La page à cadres qui réunit graphique et texte</translation>
    </message>
    <message>
        <source>The outline page of the whole chart; blank: none</source>
        <translation>La page d&apos;aperçu du graphique entier ; vide : aucune</translation>
    </message>
    <message>
        <source>The title of the pages; blank: automatic</source>
        <translation>Le titre des pages ; vide : automatique</translation>
    </message>
    <message>
        <source>The address of your home page; blank: no home link</source>
        <translation>L&apos;adresse de votre page d&apos;accueil ; vide : pas de lien d&apos;accueil</translation>
    </message>
    <message>
        <source>The tool tip of the home link</source>
        <translation>L&apos;infobulle du lien d&apos;accueil</translation>
    </message>
    <message>
        <source>Where the home link opens (_top, _self, ...)</source>
        <translation>Où s&apos;ouvre le lien d&apos;accueil (_top, _self, ...)</translation>
    </message>
    <message>
        <source>The name of the frame that shows the text page</source>
        <translation>Le nom du cadre qui affiche la page de texte</translation>
    </message>
    <message>
        <source>Chart page</source>
        <translation>Page graphique</translation>
    </message>
    <message>
        <source>Text page</source>
        <translation>Page de texte</translation>
    </message>
    <message>
        <source>Frames page</source>
        <translation>Page à cadres</translation>
    </message>
    <message>
        <source>Outline page</source>
        <translation>Page d&apos;aperçu</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Home link hint</source>
        <translation>Infobulle du lien</translation>
    </message>
    <message>
        <source>Home link target</source>
        <translation>Cible du lien</translation>
    </message>
    <message>
        <source>Text frame</source>
        <translation>Cadre du texte</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Space left of the chart</source>
        <translation>Espace à gauche du graphique</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Space above the chart</source>
        <translation>Espace au-dessus du graphique</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Largeur des cases</translation>
    </message>
    <message>
        <source>Width of a name box</source>
        <translation>Largeur d&apos;une case de nom</translation>
    </message>
    <message>
        <source>Box height</source>
        <translation>Hauteur des cases</translation>
    </message>
    <message>
        <source>Height of a name box</source>
        <translation>Hauteur d&apos;une case de nom</translation>
    </message>
    <message>
        <source>Horizontal space</source>
        <translation>Espace horizontal</translation>
    </message>
    <message>
        <source>Space between boxes side by side</source>
        <translation>Espace entre cases voisines</translation>
    </message>
    <message>
        <source>Vertical space</source>
        <translation>Espace vertical</translation>
    </message>
    <message>
        <source>Space between generations</source>
        <translation>Espace entre les générations</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Font size of the chart</source>
        <translation>Taille de police du graphique</translation>
    </message>
    <message>
        <source>Name length</source>
        <translation>Longueur des noms</translation>
    </message>
    <message>
        <source>Names longer than this are shortened to fit a box</source>
        <translation>Les noms plus longs sont raccourcis pour tenir dans une case</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>The font of the pages and charts</source>
        <translation>La police des pages et des graphiques</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femme</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Colour of the boxes of men; click to choose</source>
        <translation>Couleur des cases des hommes ; cliquez pour choisir</translation>
    </message>
    <message>
        <source>Colour of the boxes of women; click to choose</source>
        <translation>Couleur des cases des femmes ; cliquez pour choisir</translation>
    </message>
    <message>
        <source>Colour of the page background; click to choose</source>
        <translation>Couleur de fond de la page ; cliquez pour choisir</translation>
    </message>
    <message>
        <source>The share of the frames page given to the chart</source>
        <translation>La part de la page à cadres réservée au graphique</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Chart share</source>
        <translation>Part du graphique</translation>
    </message>
    <message>
        <source>All descendants, only those through sons, or only those with the proband&apos;s surname</source>
        <translation>Tous les descendants, seulement ceux issus des fils, ou seulement ceux qui portent le nom du de cujus</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>descendants through sons</comment>
        <translation>Par les fils</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>descendants with the proband&apos;s surname</comment>
        <translation>Même nom</translation>
    </message>
    <message>
        <source>No options for
this chart type</source>
        <translation>Aucune option pour
ce type de graphique</translation>
    </message>
    <message>
        <source>Compute the chart; hold Ctrl to keep the remembered proband and show the chart at once</source>
        <translation>Calculer le graphique ; maintenez Ctrl pour garder le de cujus mémorisé et afficher aussitôt le graphique</translation>
    </message>
    <message>
        <source>Show the chart made last, or the error report of the checks</source>
        <translation>Afficher le dernier graphique créé, ou le rapport d&apos;erreurs des contrôles</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>The factory settings of this chart type</source>
        <translation>Les réglages d&apos;usine de ce type de graphique</translation>
    </message>
    <message>
        <source>Options shared by every chart type</source>
        <translation>Options communes à tous les types de graphiques</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About this chart type</source>
        <translation>À propos de ce type de graphique</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Interrupt the computation (Esc)</source>
        <translation>Interrompre le calcul (Échap)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close Lignorama</source>
        <translation>Fermer Lignorama</translation>
    </message>
    <message>
        <source>The messages of the last command</source>
        <translation>Les messages de la dernière commande</translation>
    </message>
    <message>
        <source>Gedcom (*.ged *.GED)</source>
        <translation>Gedcom (*.ged *.GED)</translation>
    </message>
    <message>
        <source>Input (*.txt *.TXT)</source>
        <translation>Entrée (*.txt *.TXT)</translation>
    </message>
</context>
<context>
    <name>lg::gui::TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Truncate place names</source>
        <translation>Tronquer les noms de lieux</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>1st comma</source>
        <translation>À la 1re virgule</translation>
    </message>
    <message>
        <source>2nd comma</source>
        <translation>À la 2e virgule</translation>
    </message>
    <message>
        <source>In absence of surname, use</source>
        <translation>En l&apos;absence de nom, utiliser</translation>
    </message>
    <message>
        <source>Patronym</source>
        <translation>Patronyme</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Show baptism/christening data</source>
        <translation>Afficher les baptêmes</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Toujours</translation>
    </message>
    <message>
        <source>When essential</source>
        <translation>Si nécessaire</translation>
    </message>
    <message>
        <source>Show burial data</source>
        <translation>Afficher les inhumations</translation>
    </message>
    <message>
        <source>Show place names</source>
        <translation>Afficher les noms de lieux</translation>
    </message>
    <message>
        <source>Running text</source>
        <translation>Dans le texte</translation>
    </message>
    <message>
        <source>In brackets</source>
        <translation>Entre parenthèses</translation>
    </message>
    <message>
        <source>Show names</source>
        <translation>Afficher les noms</translation>
    </message>
    <message>
        <source>Proper</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Formal</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Gedcom</source>
        <translation>Gedcom</translation>
    </message>
    <message>
        <source>Text file bookmarks</source>
        <translation>Signets du fichier texte</translation>
    </message>
    <message>
        <source>Gedcom ID</source>
        <translation>ID Gedcom</translation>
    </message>
    <message>
        <source>2^n</source>
        <translation>2^n</translation>
    </message>
    <message>
        <source>GeneWeb</source>
        <translation>GeneWeb</translation>
    </message>
    <message>
        <source>Show Gedcom notes for persons</source>
        <translation>Afficher les notes Gedcom des personnes</translation>
    </message>
    <message>
        <source>Gedcom checks</source>
        <translation>Contrôles Gedcom</translation>
    </message>
    <message>
        <source>Link consistency only</source>
        <translation>Cohérence des liens seulement</translation>
    </message>
    <message>
        <source>Consistency of links and dates</source>
        <translation>Cohérence des liens et des dates</translation>
    </message>
    <message>
        <source>Link consistency and sanity of dates</source>
        <translation>Cohérence des liens et vraisemblance des dates</translation>
    </message>
    <message>
        <source>Force language for user interface</source>
        <translation>Imposer la langue de l&apos;interface</translation>
    </message>
    <message>
        <source>(effective after application restart)</source>
        <translation>(effectif après redémarrage du programme)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>lg::gui::TReturnForm</name>
    <message>
        <source>End view</source>
        <translation>Fin de l&apos;affichage</translation>
    </message>
    <message>
        <source>Return to Lignorama</source>
        <translation>Retour à Lignorama</translation>
    </message>
    <message>
        <source>Close browser; goto main screen</source>
        <translation>Fermer le navigateur ; revenir à l&apos;écran principal</translation>
    </message>
</context>
<context>
    <name>lg::gui::TSelectionForm</name>
    <message>
        <source>Select from Gedcom file</source>
        <translation>Choisir dans le fichier Gedcom</translation>
    </message>
    <message>
        <source>Select who should be at the root of the chart (the proband).</source>
        <translation>Choisissez la personne à la racine du graphique (le de cujus).</translation>
    </message>
    <message>
        <source>Nb: only persons with a tree of at least a few generations are shown (in &lt; &gt;).</source>
        <translation>NB : seules les personnes ayant un arbre d&apos;au moins quelques générations sont affichées (entre &lt; &gt;).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept the highlighted person</source>
        <translation>Accepter la personne sélectionnée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Abort selection</source>
        <translation>Abandonner la sélection</translation>
    </message>
    <message>
        <source>Clear proband</source>
        <translation>Effacer le de cujus</translation>
    </message>
    <message>
        <source>No selection: allows you automatic choice</source>
        <translation>Aucune sélection : choix automatique</translation>
    </message>
</context>
<context>
    <name>lg::gui::TdetailsDisplay</name>
    <message>
        <source>M</source>
        <comment>male</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>F</source>
        <comment>female</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>lg::gui::TinbreedingDisplay</name>
    <message>
        <source>Inbreeding coefficient F: %1%</source>
        <translation>Coefficient de consanguinité F : %1%</translation>
    </message>
</context>
</TS>
