// The message texts as the program must print them, written out once more
// for the tests so that the expected transcripts do not come from the
// program's own tables. Slots in the order of the catalogue.
#pragma once

namespace expected {

// Language 1.
inline const char* const kFrench[66] = {
    "\n \n \t \t Il faut au minimum : ",  // MsgAtLeast
    "  fractions unitaires",  // MsgUnitFractions
    "  différentes.",  // MsgDifferent
    "  qui peuvent être égales entre elles.",  // MsgMayBeEqual
    " \n \t \t La valeur 1 étant interdite pour la plus petite inconnue.",  // MsgOneForbidden
    "\n \n \t \t Tableau des solutions numérotées :  \n \n ",  // MsgTableHeader
    "\n \n \t Nombre K de solutions suivantes à afficher ou autre option :  \n \n \t [K] / [zéro, pas de limite] / [-1, arrêter] / [-K (K>1), pas de  limite et affichage toutes les K solutions] ?    \t",  // MsgPagePrompt
    " \t L'équation Diophantienne a  ",  // MsgEquationHas
    "  inconnues : 1/x1 + 1/x2 + 1/x3 +.....   1/xn =  ",  // MsgUnknownsEq
    "  admet  ",  // MsgAdmits
    "   solution(s). \n ",  // MsgSolutions
    " \n \t Les inconnues d'une même solution étant toutes différentes. ",  // MsgAllDifferent
    " \n \t Des inconnues d'une même solution pouvant être égales. ",  // MsgMayBeEqualSummary
    " \t Elles sont également toutes paires. \n \n ",  // MsgAllEven
    " \t Elles sont également  toutes impaires. \n \n ",  // MsgAllOdd
    " \t Elles sont également  toutes de parités indifférentes. \n \n ",  // MsgAnyParity
    " \n \n \t  Les inconnues doivent être telles que :   ",  // MsgUnknownsMust
    " \n \t  Le nombre minimum, n d'inconnues, devait être tel que :   ",  // MsgMinCountMust
    "  est la plus grande valeur prise par xn. \n",  // MsgLargestLast
    "  est la plus petite valeur prise par x1. \n ",  // MsgSmallestFirst
    "\n \t Valeur de P ? : \t",  // MsgAskP
    "\n \t Valeur de Q ? : \t",  // MsgAskQ
    " \n  \n \t Voulez vous imposer des contraintes, Oui [1] / Non [0]  ? \t",  // MsgAskConstraints
    " \n \n \t Type d'équation :  1  ou  2  ?  : \t",  // MsgAskType
    "\n \t Parité des inconnues,  PAIRE = 2 ,  IMPAIRE = 1 , INDIFFERENTE = 0 ? \t: ",  // MsgAskParity
    " \n \n \t \t Aucune solution compte tenu des contraintes ! \n \n ",  // MsgNoSolution
    "\n  \t Minorant pour x1, [rentrez zéro sinon] ?  : \t",  // MsgAskMinFirst
    "\n  \t Majorant pour xn, [rentrez zéro sinon] ?  : \t",  // MsgAskMaxLast
    "\n  \t Le Minorant doit être inferieur au Majorant. Recommencez ! \n \n",  // MsgBoundOrderX
    "\n  \t Minorant pour n, [rentrez zéro sinon] ?  : \t",  // MsgAskMinCount
    "\n  \t Majorant pour n, [rentrez zéro sinon] ?  : \t",  // MsgAskMaxCount
    "\n  \t Le Minorant doit être inferieur au Majorant. Recommencez !\n \n",  // MsgBoundOrderN
    "\n \t \t    Les contraintes ne sont pas compatibles ! Recommencer ! \n \n ",  // MsgIncompatible
    " \n  \t Voulez vous exclure la valeur 1 pour la première inconnue,  Oui[1] / Non[0] ? : ",  // MsgAskExcludeOne
    " \n \n \t \t Aucune solution compte tenu des contraintes ! \n \n ",  // MsgNoSolutionForN
    "\n \n \t    Il faut  ",  // MsgItTakes
    " fractions au minimum. ",  // MsgFractionsAtMinimum
    "\n \n \t    Une seule solution : \n",  // MsgSingleSolution
    " \n \t FIN DU CALCUL",  // MsgEndOfCalculation
    " \t Programme egyptian : recherche exacte de fractions égyptiennes, écrit en C++ avec NTL.",  // MsgCredit
    " \n   POUR MODIFIER LA TAILLE DU TEXTE ET DE LA FENETRE : [TOUCHE CTRL] + [MOLETTE DE LA SOURIS]. ",  // MsgZoomHint
    " \n \n \n \t  ***  DEVELOPPEMENTS EGYPTIENS DE LONGUEUR MINIMALE POUR UNE FRACTION P/Q  ***. \n",  // MsgTitle
    " \n \t  Afficher des explications  ? Oui [1] / Non [0] ?\t: ",  // MsgAskExplanations
    " \n \n \t  Cette extension du programme initial trouve les développements Egyptiens de la plus courte longueur pour n'importe quelle fraction P/Q. ",  // MsgExplain01
    " \n \n \t  Par défaut dans ces développements tous les dénominateurs doivent être différents (Type 2).",  // MsgExplain02
    " \n \n \t  Quand P/Q >= 1 on peut choisir de ne pas avoir de dénominateurs égaux a 1. ",  // MsgExplain03
    " \n \n \t  Des options facultatives permettent d'imposer des contraintes pour la recherche : ",  // MsgExplain04
    " \n \n \t    - Type de développements : Type 1 / Type 2 ",  // MsgExplain05
    " \n \t    - Parité des inconnus : Paire/ Impaire/ Indifférente.",  // MsgExplain06
    " \n \t    - Minimum pour x1 : N.",  // MsgExplain07
    " \n \t    - Maximum pour xn : M.",  // MsgExplain08
    " \n \t    - Minimum pour n. ",  // MsgExplain09
    " \n \t    - Maximum pour n. ",  // MsgExplain10
    " \n \n \t Quand on ne veut pas utiliser une de ces options il suffit de rentrer zéro.",  // MsgExplain11
    " \n \n \t A tout moment du calcul, on doit avoir : n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t Si ces conditions ne sont pas respectées au début du calcul ou quand n varie, un message d'impossibilité s'affiche.",  // MsgExplain13
    " \n \n \t Une fois la plus petite valeur de n pour laquelle des développements existent trouvée (compte tenu des contraintes),le premier de ceux-ci est affiche. ",  // MsgExplain14
    " \n \t On rentre alors dans le cas du programme initial permettant de trouver tous les développements de longueur n d'une fraction P/Q.",  // MsgExplain15
    " \n \t On peut donc lister ou compter toutes les solutions pour cette valeur de n.",  // MsgExplain16
    " \n \n \t Attention ! Dans certains cas les calculs peuvent être longs !",  // MsgExplain17
    " \n \t Les entiers de toute taille sont traités exactement avec la bibliothèque NTL.",  // MsgExplain18
    " \n \n \t A cause des contraintes, il se peut qu'il n'y ait aucune solution mais que le programme cherche indéfiniment.",  // MsgExplain19
    " \n \t Depuis la version 6, certains cas d'impossibilités quand les inconnues sont toutes impaires sont détectes. Cela évite des tests inutiles. ",  // MsgExplain20
    " \n \n \t Dans cette extension une erreur de saisie ne fait pas planter le programme, une nouvelle saisie est redemandée.",  // MsgExplain21
    " \n \t La dernière version KESTREL_V7 a un algorithme améliore qui évite de tester inutilement certains cas pour le Type 2.",  // MsgExplain22
    "\n \t  Nouveau calcul ?  Oui [1] / Fin [0]  :     ",  // MsgAskAgain
};

// Language 2.
inline const char* const kEnglish[66] = {
    "\n \n \t \t At least the following is required: ",  // MsgAtLeast
    " unit fractions",  // MsgUnitFractions
    " different.",  // MsgDifferent
    " which may be equal to each other.",  // MsgMayBeEqual
    " \n \t \t The value 1 being forbidden for the smallest unknown.",  // MsgOneForbidden
    "\n \n \t \t Table of numbered solutions: \n \n ",  // MsgTableHeader
    "\n \n \t Number K of the following solutions to display or other option: \n \n \t [K] / [zero, no limit] / [-1, stop] / [-K (K>1), no limit and display every K solutions]? \t",  // MsgPagePrompt
    " \t The Diophantine equation has ",  // MsgEquationHas
    " unknowns: 1/x1 + 1/x2 + 1/x3 +..... 1/xn = ",  // MsgUnknownsEq
    " admits ",  // MsgAdmits
    " solution(s). \n ",  // MsgSolutions
    " \n \t The unknowns in the same solution are all different. ",  // MsgAllDifferent
    " \n \t The unknowns in the same solution may be equal. ",  // MsgMayBeEqualSummary
    " \t They are also all even. \n \n ",  // MsgAllEven
    " \t They are also all odd. \n \n ",  // MsgAllOdd
    " \t They are also of arbitrary parity. \n \n ",  // MsgAnyParity
    " \n \n \t The unknowns must satisfy: ",  // MsgUnknownsMust
    " \n \t The minimum number n of unknowns must satisfy: ",  // MsgMinCountMust
    " is the largest value taken by xn. \n",  // MsgLargestLast
    " is the smallest value taken by x1. \n ",  // MsgSmallestFirst
    "\n \t Value of P? : \t",  // MsgAskP
    "\n \t Value of Q? : \t",  // MsgAskQ
    " \n  \n \t Do you want to impose constraints, Yes [1] / No [0]? \t",  // MsgAskConstraints
    " \n \n \t Type of equation: 1 or 2? : \t",  // MsgAskType
    "\n \t Parity of the unknowns, EVEN = 2, ODD = 1, ANY = 0? \t: ",  // MsgAskParity
    " \n \n \t \t No solution given the constraints! \n \n ",  // MsgNoSolution
    "\n  \t Lower bound for x1, [enter zero otherwise]? : \t",  // MsgAskMinFirst
    "\n  \t Upper bound for xn, [enter zero otherwise]? : \t",  // MsgAskMaxLast
    "\n  \t The lower bound must be less than the upper bound. Try again! \n \n",  // MsgBoundOrderX
    "\n  \t Lower bound for n, [enter zero otherwise]? : \t",  // MsgAskMinCount
    "\n  \t Upper bound for n, [enter zero otherwise]? : \t",  // MsgAskMaxCount
    "\n  \t The lower bound must be less than the upper bound. Try again!\n \n",  // MsgBoundOrderN
    "\n \t \t The constraints are not compatible! Try again! \n \n ",  // MsgIncompatible
    " \n  \t Do you want to exclude the value 1 for the first unknown, Yes [1] / No [0]? : ",  // MsgAskExcludeOne
    " \n \n \t \t No solution given the constraints! \n \n ",  // MsgNoSolutionForN
    "\n \n \t It takes ",  // MsgItTakes
    " fractions at minimum. ",  // MsgFractionsAtMinimum
    "\n \n \t A single solution: \n",  // MsgSingleSolution
    " \n \t END OF CALCULATION",  // MsgEndOfCalculation
    " \t Program egyptian: exact search for Egyptian fractions, written in C++ with NTL.",  // MsgCredit
    " \n TO CHANGE THE TEXT AND WINDOW SIZE: [CTRL KEY] + [MOUSE WHEEL]. ",  // MsgZoomHint
    " \n \n \n \t *** EGYPTIAN EXPANSIONS OF MINIMAL LENGTH FOR A FRACTION P/Q ***. \n",  // MsgTitle
    " \n \t Display explanations? Yes [1] / No [0]? \t: ",  // MsgAskExplanations
    " \n \n \t This extension of the initial program finds Egyptian expansions of the shortest length for any fraction P/Q. ",  // MsgExplain01
    " \n \n \t By default in these expansions all denominators must be different (Type 2).",  // MsgExplain02
    " \n \n \t When P/Q >= 1 one can choose not to have denominators equal to 1. ",  // MsgExplain03
    " \n \n \t Optional options allow constraints to be imposed for the search: ",  // MsgExplain04
    " \n \n \t - Type of expansions: Type 1 / Type 2 ",  // MsgExplain05
    " \n \t - Parity of the unknowns: Even / Odd / Any.",  // MsgExplain06
    " \n \t - Minimum for x1: N.",  // MsgExplain07
    " \n \t - Maximum for xn: M.",  // MsgExplain08
    " \n \t - Minimum for n. ",  // MsgExplain09
    " \n \t - Maximum for n. ",  // MsgExplain10
    " \n \n \t When one does not want to use one of these options, simply enter zero.",  // MsgExplain11
    " \n \n \t At any time during the calculation, we must have: n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t If these conditions are not met at the beginning of the calculation or when n varies, an impossibility message is displayed.",  // MsgExplain13
    " \n \n \t Once the smallest value of n for which expansions exist is found (given the constraints), the first of these is displayed. ",  // MsgExplain14
    " \n \t We then enter the case of the initial program allowing all expansions of length n of a fraction P/Q to be found.",  // MsgExplain15
    " \n \t One can therefore list or count all the solutions for this value of n.",  // MsgExplain16
    " \n \n \t Warning! In some cases the calculations may be long!",  // MsgExplain17
    " \n \t Integers of any size are handled exactly with the NTL library.",  // MsgExplain18
    " \n \n \t Due to the constraints, it is possible that there is no solution but that the program searches indefinitely.",  // MsgExplain19
    " \n \t Since version 6, some impossibility cases when the unknowns are all odd are detected. This avoids unnecessary tests. ",  // MsgExplain20
    " \n \n \t In this extension, an input error does not crash the program; a new input is requested.",  // MsgExplain21
    " \n \t The latest version KESTREL_V7 has an improved algorithm that avoids unnecessarily testing certain cases for Type 2.",  // MsgExplain22
    "\n \t New calculation? Yes [1] / End [0] : ",  // MsgAskAgain
};

// Language 3.
inline const char* const kSpanish[66] = {
    "\n \n \t \t Se necesitan como mínimo : ",  // MsgAtLeast
    "  fracciones unitarias",  // MsgUnitFractions
    "  diferentes.",  // MsgDifferent
    "  que pueden ser iguales entre sí.",  // MsgMayBeEqual
    " \n \t \t El valor 1 estando prohibido para la incógnita más pequeña.",  // MsgOneForbidden
    "\n \n \t \t Tabla de soluciones numeradas :  \n \n ",  // MsgTableHeader
    "\n \n \t Número K de soluciones siguientes a mostrar u otra opción :  \n \n \t [K] / [cero, sin límite] / [-1, detener] / [-K (K>1), sin límite y mostrar cada K soluciones] ?    \t",  // MsgPagePrompt
    " \t La ecuación diofántica tiene  ",  // MsgEquationHas
    "  incógnitas : 1/x1 + 1/x2 + 1/x3 +.....   1/xn =  ",  // MsgUnknownsEq
    "  admite  ",  // MsgAdmits
    "   solución(es). \n ",  // MsgSolutions
    " \n \t Las incógnitas de una misma solución siendo todas diferentes. ",  // MsgAllDifferent
    " \n \t Incógnitas de una misma solución pudiendo ser iguales. ",  // MsgMayBeEqualSummary
    " \t También son todas pares. \n \n ",  // MsgAllEven
    " \t También son todas impares. \n \n ",  // MsgAllOdd
    " \t También son todas de paridades indiferentes. \n \n ",  // MsgAnyParity
    " \n \n \t  Las incógnitas deben ser tales que :   ",  // MsgUnknownsMust
    " \n \t  El número mínimo, n de incógnitas, debía ser tal que :   ",  // MsgMinCountMust
    "  es el mayor valor tomado por xn. \n",  // MsgLargestLast
    "  es el menor valor tomado por x1. \n ",  // MsgSmallestFirst
    "\n \t ¿Valor de P? : \t",  // MsgAskP
    "\n \t ¿Valor de Q? : \t",  // MsgAskQ
    " \n  \n \t ¿Desea imponer restricciones, Sí [1] / No [0] ? \t",  // MsgAskConstraints
    " \n \n \t ¿Tipo de ecuación:  1  o  2  ?  : \t",  // MsgAskType
    "\n \t Paridad de las incógnitas, PAR = 2 , IMPAR = 1 , INDIFERENTE = 0 ? \t: ",  // MsgAskParity
    " \n \n \t \t ¡Ninguna solución dadas las restricciones! \n \n ",  // MsgNoSolution
    "\n  \t Cota inferior para x1, [introduzca cero si no] ?  : \t",  // MsgAskMinFirst
    "\n  \t Cota superior para xn, [introduzca cero si no] ?  : \t",  // MsgAskMaxLast
    "\n  \t El minorante debe ser inferior al majorante. ¡Reintente! \n \n",  // MsgBoundOrderX
    "\n  \t Cota inferior para n, [introduzca cero si no] ?  : \t",  // MsgAskMinCount
    "\n  \t Cota superior para n, [introduzca cero si no] ?  : \t",  // MsgAskMaxCount
    "\n  \t El minorante debe ser inferior al majorante. ¡Reintente!\n \n",  // MsgBoundOrderN
    "\n \t \t    ¡Las restricciones no son compatibles! ¡Reintente! \n \n ",  // MsgIncompatible
    " \n  \t ¿Desea excluir el valor 1 para la primera incógnita, Sí[1] / No[0] ? : ",  // MsgAskExcludeOne
    " \n \n \t \t ¡Ninguna solución dadas las restricciones! \n \n ",  // MsgNoSolutionForN
    "\n \n \t    Se necesitan  ",  // MsgItTakes
    " fracciones como mínimo. ",  // MsgFractionsAtMinimum
    "\n \n \t    Una única solución : \n",  // MsgSingleSolution
    " \n \t FIN DEL CÁLCULO",  // MsgEndOfCalculation
    " \t Programa egyptian: búsqueda exacta de fracciones egipcias, escrito en C++ con NTL.",  // MsgCredit
    " \n   PARA MODIFICAR EL TAMAÑO DEL TEXTO Y DE LA VENTANA : [TECLA CTRL] + [RUEDA DEL RATÓN]. ",  // MsgZoomHint
    " \n \n \n \t  ***  DESARROLLOS EGIPCIOS DE LONGITUD MÍNIMA PARA UNA FRACCIÓN P/Q  ***. \n",  // MsgTitle
    " \n \t  ¿Mostrar explicaciones? Sí [1] / No [0] ?\t: ",  // MsgAskExplanations
    " \n \n \t  Esta extensión del programa inicial encuentra los desarrollos egipcios de la menor longitud para cualquier fracción P/Q. ",  // MsgExplain01
    " \n \n \t  Por defecto en estos desarrollos todos los denominadores deben ser diferentes (Tipo 2).",  // MsgExplain02
    " \n \n \t  Cuando P/Q >= 1 se puede elegir no tener denominadores iguales a 1. ",  // MsgExplain03
    " \n \n \t  Opciones opcionales permiten imponer restricciones para la búsqueda : ",  // MsgExplain04
    " \n \n \t    - Tipo de desarrollos : Tipo 1 / Tipo 2 ",  // MsgExplain05
    " \n \t    - Paridad de las incógnitas : Par / Impar / Indiferente.",  // MsgExplain06
    " \n \t    - Mínimo para x1 : N.",  // MsgExplain07
    " \n \t    - Máximo para xn : M.",  // MsgExplain08
    " \n \t    - Mínimo para n. ",  // MsgExplain09
    " \n \t    - Máximo para n. ",  // MsgExplain10
    " \n \n \t Cuando no se quiere usar una de estas opciones basta con introducir cero.",  // MsgExplain11
    " \n \n \t En todo momento del cálculo, se debe tener : n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t Si estas condiciones no se cumplen al inicio del cálculo o cuando n varía, aparece un mensaje de imposibilidad.",  // MsgExplain13
    " \n \n \t Una vez encontrada la menor n para la cual existen desarrollos (teniendo en cuenta las restricciones), se muestra el primero de ellos. ",  // MsgExplain14
    " \n \t Entonces se entra en el caso del programa inicial que permite encontrar todos los desarrollos de longitud n de una fracción P/Q.",  // MsgExplain15
    " \n \t Por lo tanto se pueden listar o contar todas las soluciones para ese valor de n.",  // MsgExplain16
    " \n \n \t ¡Atención! En algunos casos los cálculos pueden ser largos!",  // MsgExplain17
    " \n \t Los enteros de cualquier tamaño se tratan exactamente con la biblioteca NTL.",  // MsgExplain18
    " \n \n \t Debido a las restricciones, puede que no haya ninguna solución pero que el programa busque indefinidamente.",  // MsgExplain19
    " \n \t Desde la versión 6, se detectan algunos casos de imposibilidad cuando todas las incógnitas son impares. Esto evita pruebas innecesarias. ",  // MsgExplain20
    " \n \n \t En esta extensión un error de entrada no hace que el programa se bloquee, se solicita una nueva entrada.",  // MsgExplain21
    " \n \t La última versión KESTREL_V7 tiene un algoritmo mejorado que evita probar innecesariamente ciertos casos para el Tipo 2.",  // MsgExplain22
    "\n \t  ¿Nuevo cálculo? Sí [1] / Fin [0]  :     ",  // MsgAskAgain
};

// Language 4.
inline const char* const kGerman[66] = {
    "\n \n \t \t Es werden mindestens benötigt: ",  // MsgAtLeast
    "  Stammbrüche",  // MsgUnitFractions
    "  verschiedene.",  // MsgDifferent
    "  die gleich sein können.",  // MsgMayBeEqual
    " \n \t \t Der Wert 1 ist für die kleinste Unbekannte verboten.",  // MsgOneForbidden
    "\n \n \t \t Tabelle der nummerierten Lösungen:  \n \n ",  // MsgTableHeader
    "\n \n \t Anzahl K der folgenden anzuzeigenden Lösungen oder andere Option:  \n \n \t [K] / [Null, keine Begrenzung] / [-1, beenden] / [-K (K>1), keine Begrenzung und Anzeige aller K Lösungen] ?    \t",  // MsgPagePrompt
    " \t Die diophantische Gleichung hat  ",  // MsgEquationHas
    "  Unbekannte: 1/x1 + 1/x2 + 1/x3 +.....   1/xn =  ",  // MsgUnknownsEq
    "  besitzt  ",  // MsgAdmits
    "   Lösung(en). \n ",  // MsgSolutions
    " \n \t Die Unbekannten einer Lösung sind alle verschieden. ",  // MsgAllDifferent
    " \n \t Die Unbekannten einer Lösung können gleich sein. ",  // MsgMayBeEqualSummary
    " \t Sie sind außerdem alle gerade. \n \n ",  // MsgAllEven
    " \t Sie sind außerdem alle ungerade. \n \n ",  // MsgAllOdd
    " \t Sie haben außerdem beliebige Parität. \n \n ",  // MsgAnyParity
    " \n \n \t  Die Unbekannten müssen so sein, dass:   ",  // MsgUnknownsMust
    " \n \t  Die minimale Anzahl n der Unbekannten muss so sein, dass:   ",  // MsgMinCountMust
    "  ist der größte Wert, den xn annimmt. \n",  // MsgLargestLast
    "  ist der kleinste Wert, den x1 annimmt. \n ",  // MsgSmallestFirst
    "\n \t Wert von P? : \t",  // MsgAskP
    "\n \t Wert von Q? : \t",  // MsgAskQ
    " \n  \n \t Möchten Sie Einschränkungen festlegen, Ja [1] / Nein [0] ? \t",  // MsgAskConstraints
    " \n \n \t Gleichungstyp:  1  oder  2  ?  : \t",  // MsgAskType
    "\n \t Parität der Unbekannten, GERADE = 2 ,  UNGERADE = 1 , BELIEBIG = 0 ? \t: ",  // MsgAskParity
    " \n \n \t \t Keine Lösung unter den gegebenen Einschränkungen! \n \n ",  // MsgNoSolution
    "\n  \t Untere Schranke für x1, [sonst Null eingeben]?  : \t",  // MsgAskMinFirst
    "\n  \t Obere Schranke für xn, [sonst Null eingeben]?  : \t",  // MsgAskMaxLast
    "\n  \t Die untere Schranke muss kleiner als die obere sein. Erneut eingeben! \n \n",  // MsgBoundOrderX
    "\n  \t Untere Schranke für n, [sonst Null eingeben]?  : \t",  // MsgAskMinCount
    "\n  \t Obere Schranke für n, [sonst Null eingeben]?  : \t",  // MsgAskMaxCount
    "\n  \t Die untere Schranke muss kleiner als die obere sein. Erneut eingeben!\n \n",  // MsgBoundOrderN
    "\n \t \t    Die Einschränkungen sind nicht kompatibel! Erneut eingeben! \n \n ",  // MsgIncompatible
    " \n  \t Möchten Sie den Wert 1 für die erste Unbekannte ausschließen,  Ja[1] / Nein[0] ? : ",  // MsgAskExcludeOne
    " \n \n \t \t Keine Lösung unter den gegebenen Einschränkungen! \n \n ",  // MsgNoSolutionForN
    "\n \n \t    Es werden  ",  // MsgItTakes
    " Brüche mindestens benötigt. ",  // MsgFractionsAtMinimum
    "\n \n \t    Nur eine Lösung: \n",  // MsgSingleSolution
    " \n \t ENDE DER BERECHNUNG",  // MsgEndOfCalculation
    " \t Programm egyptian: exakte Suche nach ägyptischen Brüchen, geschrieben in C++ mit NTL.",  // MsgCredit
    " \n   UM DIE TEXT- UND FENSTERGRÖSSE ZU ÄNDERN: [STRG-TASTE] + [MAUSRAD]. ",  // MsgZoomHint
    " \n \n \n \t  ***  ÄGYPTISCHE DARSTELLUNGEN MINIMALER LÄNGE FÜR EINEN BRUCH P/Q  ***. \n",  // MsgTitle
    " \n \t  Erklärungen anzeigen? Ja [1] / Nein [0]?\t: ",  // MsgAskExplanations
    " \n \n \t  Diese Erweiterung des ursprünglichen Programms findet ägyptische Darstellungen minimaler Länge für jeden Bruch P/Q. ",  // MsgExplain01
    " \n \n \t  Standardmäßig müssen in diesen Darstellungen alle Nenner verschieden sein (Typ 2).",  // MsgExplain02
    " \n \n \t  Wenn P/Q >= 1, kann man wählen, keine Nenner gleich 1 zu haben. ",  // MsgExplain03
    " \n \n \t  Optionale Einstellungen ermöglichen es, Einschränkungen für die Suche festzulegen: ",  // MsgExplain04
    " \n \n \t    - Typ der Darstellungen: Typ 1 / Typ 2 ",  // MsgExplain05
    " \n \t    - Parität der Unbekannten: Gerade/ Ungerade/ Beliebig.",  // MsgExplain06
    " \n \t    - Minimum für x1: N.",  // MsgExplain07
    " \n \t    - Maximum für xn: M.",  // MsgExplain08
    " \n \t    - Minimum für n. ",  // MsgExplain09
    " \n \t    - Maximum für n. ",  // MsgExplain10
    " \n \n \t  Wenn man eine dieser Optionen nicht verwenden möchte, genügt es, Null einzugeben.",  // MsgExplain11
    " \n \n \t  Zu jedem Zeitpunkt der Berechnung muss gelten: n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t  Wenn diese Bedingungen zu Beginn der Berechnung oder bei Änderung von n nicht erfüllt sind, wird eine Unmöglichkeitsmeldung angezeigt.",  // MsgExplain13
    " \n \n \t  Sobald der kleinste Wert von n gefunden wurde, für den Darstellungen existieren (unter Berücksichtigung der Einschränkungen), wird die erste davon angezeigt. ",  // MsgExplain14
    " \n \t  Man gelangt dann in den Fall des ursprünglichen Programms, das es ermöglicht, alle Darstellungen der Länge n eines Bruchs P/Q zu finden.",  // MsgExplain15
    " \n \t  Man kann also alle Lösungen für diesen Wert von n auflisten oder zählen.",  // MsgExplain16
    " \n \n \t  Achtung! In einigen Fällen können die Berechnungen lange dauern!",  // MsgExplain17
    " \n \t  Ganze Zahlen beliebiger Größe werden mit der Bibliothek NTL exakt verarbeitet.",  // MsgExplain18
    " \n \n \t  Aufgrund der Einschränkungen kann es sein, dass es keine Lösung gibt, das Programm aber unendlich weiter sucht.",  // MsgExplain19
    " \n \t  Seit Version 6 werden einige Unmöglichkeitsfälle erkannt, wenn alle Unbekannten ungerade sind. Dies vermeidet unnötige Tests. ",  // MsgExplain20
    " \n \n \t  In dieser Erweiterung führt ein Eingabefehler nicht zum Absturz des Programms, sondern es wird eine neue Eingabe verlangt.",  // MsgExplain21
    " \n \t  Die neueste Version KESTREL_V7 hat einen verbesserten Algorithmus, der vermeidet, bestimmte Fälle für Typ 2 unnötig zu testen.",  // MsgExplain22
    "\n \t  Neue Berechnung?  Ja [1] / Ende [0]  :     ",  // MsgAskAgain
};

// Language 5.
inline const char* const kPortuguese[66] = {
    "\n \n \t \t É necessário no mínimo : ",  // MsgAtLeast
    "  frações unitárias",  // MsgUnitFractions
    "  diferentes.",  // MsgDifferent
    "  que podem ser iguais entre si.",  // MsgMayBeEqual
    " \n \t \t O valor 1 sendo proibido para a menor incógnita.",  // MsgOneForbidden
    "\n \n \t \t Tabela das soluções numeradas :  \n \n ",  // MsgTableHeader
    "\n \n \t Número K de soluções seguintes a exibir ou outra opção :  \n \n \t [K] / [zero, sem limite] / [-1, parar] / [-K (K>1), sem limite e exibição a cada K soluções] ?    \t",  // MsgPagePrompt
    " \t A equação diofantina tem  ",  // MsgEquationHas
    "  incógnitas : 1/x1 + 1/x2 + 1/x3 +.....   1/xn =  ",  // MsgUnknownsEq
    "  admite  ",  // MsgAdmits
    "   solução(ões). \n ",  // MsgSolutions
    " \n \t As incógnitas de uma mesma solução sendo todas diferentes. ",  // MsgAllDifferent
    " \n \t As incógnitas de uma mesma solução podendo ser iguais. ",  // MsgMayBeEqualSummary
    " \t Elas são também todas pares. \n \n ",  // MsgAllEven
    " \t Elas são também todas ímpares. \n \n ",  // MsgAllOdd
    " \t Elas são também todas de paridade indiferente. \n \n ",  // MsgAnyParity
    " \n \n \t  As incógnitas devem ser tais que :   ",  // MsgUnknownsMust
    " \n \t  O número mínimo, n de incógnitas, deve ser tal que :   ",  // MsgMinCountMust
    "  é o maior valor tomado por xn. \n",  // MsgLargestLast
    "  é o menor valor tomado por x1. \n ",  // MsgSmallestFirst
    "\n \t Valor de P ? : \t",  // MsgAskP
    "\n \t Valor de Q ? : \t",  // MsgAskQ
    " \n  \n \t Deseja impor restrições, Sim [1] / Não [0]  ? \t",  // MsgAskConstraints
    " \n \n \t Tipo de equação :  1  ou  2  ?  : \t",  // MsgAskType
    "\n \t Paridade das incógnitas,  PAR = 2 ,  ÍMPAR = 1 , INDIFERENTE = 0 ? \t: ",  // MsgAskParity
    " \n \n \t \t Nenhuma solução considerando as restrições ! \n \n ",  // MsgNoSolution
    "\n  \t Limitante inferior para x1, [insira zero caso contrário] ?  : \t",  // MsgAskMinFirst
    "\n  \t Limitante superior para xn, [insira zero caso contrário] ?  : \t",  // MsgAskMaxLast
    "\n  \t O limitante inferior deve ser menor que o limitante superior. Recomece ! \n \n",  // MsgBoundOrderX
    "\n  \t Limitante inferior para n, [insira zero caso contrário] ?  : \t",  // MsgAskMinCount
    "\n  \t Limitante superior para n, [insira zero caso contrário] ?  : \t",  // MsgAskMaxCount
    "\n  \t O limitante inferior deve ser menor que o limitante superior. Recomece !\n \n",  // MsgBoundOrderN
    "\n \t \t    As restrições não são compatíveis ! Recomece ! \n \n ",  // MsgIncompatible
    " \n  \t Deseja excluir o valor 1 para a primeira incógnita,  Sim[1] / Não[0] ? : ",  // MsgAskExcludeOne
    " \n \n \t \t Nenhuma solução considerando as restrições ! \n \n ",  // MsgNoSolutionForN
    "\n \n \t    É necessário  ",  // MsgItTakes
    " frações no mínimo. ",  // MsgFractionsAtMinimum
    "\n \n \t    Uma única solução : \n",  // MsgSingleSolution
    " \n \t FIM DO CÁLCULO",  // MsgEndOfCalculation
    " \t Programa egyptian: busca exata de frações egípcias, escrito em C++ com NTL.",  // MsgCredit
    " \n   PARA MODIFICAR O TAMANHO DO TEXTO E DA JANELA : [TECLA CTRL] + [RODA DO MOUSE]. ",  // MsgZoomHint
    " \n \n \n \t  ***  DESENVOLVIMENTOS EGÍPCIOS DE COMPRIMENTO MÍNIMO PARA UMA FRAÇÃO P/Q  ***. \n",  // MsgTitle
    " \n \t  Exibir explicações  ? Sim [1] / Não [0] ?\t: ",  // MsgAskExplanations
    " \n \n \t  Esta extensão do programa inicial encontra os desenvolvimentos egípcios de menor comprimento para qualquer fração P/Q. ",  // MsgExplain01
    " \n \n \t  Por padrão, nesses desenvolvimentos, todos os denominadores devem ser diferentes (Tipo 2).",  // MsgExplain02
    " \n \n \t  Quando P/Q >= 1 pode-se escolher não ter denominadores iguais a 1. ",  // MsgExplain03
    " \n \n \t  Opções facultativas permitem impor restrições para a pesquisa : ",  // MsgExplain04
    " \n \n \t    - Tipo de desenvolvimento : Tipo 1 / Tipo 2 ",  // MsgExplain05
    " \n \t    - Paridade das incógnitas : Par / Ímpar / Indiferente.",  // MsgExplain06
    " \n \t    - Mínimo para x1 : N.",  // MsgExplain07
    " \n \t    - Máximo para xn : M.",  // MsgExplain08
    " \n \t    - Mínimo para n. ",  // MsgExplain09
    " \n \t    - Máximo para n. ",  // MsgExplain10
    " \n \n \t Quando não se deseja usar uma dessas opções, basta inserir zero.",  // MsgExplain11
    " \n \n \t A todo momento do cálculo, deve-se ter : n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t Se essas condições não forem respeitadas no início do cálculo ou quando n varia, uma mensagem de impossibilidade é exibida.",  // MsgExplain13
    " \n \n \t Uma vez encontrada a menor valor de n para o qual existem desenvolvimentos (considerando as restrições), o primeiro deles é exibido. ",  // MsgExplain14
    " \n \t Entra-se então no caso do programa inicial que permite encontrar todos os desenvolvimentos de comprimento n de uma fração P/Q.",  // MsgExplain15
    " \n \t Pode-se então listar ou contar todas as soluções para esse valor de n.",  // MsgExplain16
    " \n \n \t Atenção ! Em alguns casos os cálculos podem ser longos !",  // MsgExplain17
    " \n \t Os inteiros de qualquer tamanho são tratados exatamente com a biblioteca NTL.",  // MsgExplain18
    " \n \n \t Devido às restrições, pode acontecer de não haver solução, mas o programa continuar procurando indefinidamente.",  // MsgExplain19
    " \n \t Desde a versão 6, alguns casos de impossibilidade quando as incógnitas são todas ímpares são detectados. Isso evita testes inúteis. ",  // MsgExplain20
    " \n \n \t Nesta extensão, um erro de entrada não faz o programa falhar; uma nova entrada é solicitada.",  // MsgExplain21
    " \n \t A última versão KESTREL_V7 possui um algoritmo aprimorado que evita testar inutilmente certos casos para o Tipo 2.",  // MsgExplain22
    "\n \t  Novo cálculo ?  Sim [1] / Fim [0]  :     ",  // MsgAskAgain
};

// Language 6.
inline const char* const kChinese[66] = {
    "\n \n \t \t 至少需要：",  // MsgAtLeast
    "  个单位分数",  // MsgUnitFractions
    "  不同。",  // MsgDifferent
    "  可以彼此相等。",  // MsgMayBeEqual
    " \n \t \t 最小未知数不允许取值为1。",  // MsgOneForbidden
    "\n \n \t \t 解的编号表：  \n \n ",  // MsgTableHeader
    "\n \n \t 显示接下来K个解的数量或其他选项：  \n \n \t [K] / [零，无限制] / [-1，停止] / [-K (K>1)，无限制并每K个解显示一次]？ \t",  // MsgPagePrompt
    " \t 丢番图方程有 ",  // MsgEquationHas
    "  个未知数：1/x1 + 1/x2 + 1/x3 +..... + 1/xn = ",  // MsgUnknownsEq
    "  有 ",  // MsgAdmits
    "  个解。\n ",  // MsgSolutions
    " \n \t 同一解中的未知数彼此不同。",  // MsgAllDifferent
    " \n \t 同一解中的未知数可以相等。",  // MsgMayBeEqualSummary
    " \t 它们也全部为偶数。\n \n ",  // MsgAllEven
    " \t 它们也全部为奇数。\n \n ",  // MsgAllOdd
    " \t 它们的奇偶性不限。\n \n ",  // MsgAnyParity
    " \n \n \t  未知数必须满足：   ",  // MsgUnknownsMust
    " \n \t  未知数的最小数量 n 必须满足：   ",  // MsgMinCountMust
    "  是 xn 取得的最大值。\n",  // MsgLargestLast
    "  是 x1 取得的最小值。\n ",  // MsgSmallestFirst
    "\n \t P 的值？：\t",  // MsgAskP
    "\n \t Q 的值？：\t",  // MsgAskQ
    " \n  \n \t 是否要施加约束， 是 [1] / 否 [0]？\t",  // MsgAskConstraints
    " \n \n \t 方程类型：1 或 2？：\t",  // MsgAskType
    "\n \t 未知数的奇偶性，偶数=2，奇数=1，不限=0？\t: ",  // MsgAskParity
    " \n \n \t \t 在这些约束条件下无解！\n \n ",  // MsgNoSolution
    "\n  \t x1 的下界，[否则输入0]？：\t",  // MsgAskMinFirst
    "\n  \t xn 的上界，[否则输入0]？：\t",  // MsgAskMaxLast
    "\n  \t 下界必须小于上界。请重新输入！\n \n",  // MsgBoundOrderX
    "\n  \t n 的下界，[否则输入0]？：\t",  // MsgAskMinCount
    "\n  \t n 的上界，[否则输入0]？：\t",  // MsgAskMaxCount
    "\n  \t 下界必须小于上界。请重新输入！\n \n",  // MsgBoundOrderN
    "\n \t \t    约束条件不兼容！请重新输入！\n \n ",  // MsgIncompatible
    " \n  \t 是否排除第一个未知数取值为1，是[1] / 否[0]？：",  // MsgAskExcludeOne
    " \n \n \t \t 在这些约束条件下无解！\n \n ",  // MsgNoSolutionForN
    "\n \n \t    至少需要 ",  // MsgItTakes
    " 个分数。",  // MsgFractionsAtMinimum
    "\n \n \t    只有一个解：\n",  // MsgSingleSolution
    " \n \t 计算结束",  // MsgEndOfCalculation
    " \t 程序 egyptian：埃及分数的精确搜索，使用 C++ 与 NTL 编写。",  // MsgCredit
    " \n   修改文本和窗口大小：[CTRL键] + [鼠标滚轮]。",  // MsgZoomHint
    " \n \n \n \t  ***  分数 P/Q 的最短长度埃及分数分解  ***。\n",  // MsgTitle
    " \n \t  是否显示说明？是 [1] / 否 [0]？\t: ",  // MsgAskExplanations
    " \n \n \t  该扩展程序可以为任意分数 P/Q 找到最短长度的埃及分数分解。",  // MsgExplain01
    " \n \n \t  默认情况下，这些分解中的所有分母必须互不相同（类型2）。",  // MsgExplain02
    " \n \n \t  当 P/Q >= 1 时，可以选择不包含分母为1的项。",  // MsgExplain03
    " \n \n \t  可选参数允许在搜索时施加约束：",  // MsgExplain04
    " \n \n \t    - 分解类型：类型1 / 类型2",  // MsgExplain05
    " \n \t    - 未知数的奇偶性：偶数 / 奇数 / 不限。",  // MsgExplain06
    " \n \t    - x1 的最小值：N。",  // MsgExplain07
    " \n \t    - xn 的最大值：M。",  // MsgExplain08
    " \n \t    - n 的最小值。",  // MsgExplain09
    " \n \t    - n 的最大值。",  // MsgExplain10
    " \n \n \t  若不使用某个选项，只需输入0。",  // MsgExplain11
    " \n \n \t  在计算过程中，必须始终满足：n/M <= P/Q <= n/N。",  // MsgExplain12
    " \n \t  如果在计算开始或 n 变化时不满足这些条件，将显示不可行提示。",  // MsgExplain13
    " \n \n \t  一旦找到满足条件的最小 n（在约束下存在解），将显示其中第一个分解。",  // MsgExplain14
    " \n \t  随后进入初始程序模式，用于寻找分数 P/Q 在该 n 下的所有分解。",  // MsgExplain15
    " \n \t  因此可以列出或统计该 n 下的所有解。",  // MsgExplain16
    " \n \n \t  注意！在某些情况下计算可能较长！",  // MsgExplain17
    " \n \t  任意大小的整数均由 NTL 库精确处理。",  // MsgExplain18
    " \n \n \t  由于约束条件，可能不存在解，但程序会持续搜索。",  // MsgExplain19
    " \n \t  从第6版开始，当所有未知数为奇数时，部分不可行情况可被检测，从而避免无效计算。",  // MsgExplain20
    " \n \n \t  在该扩展中，输入错误不会导致程序崩溃，而是会提示重新输入。",  // MsgExplain21
    " \n \t  最新版本 KESTREL_V7 采用改进算法，避免在类型2中测试某些无效情况。",  // MsgExplain22
    "\n \t  是否进行新计算？是 [1] / 结束 [0]：     ",  // MsgAskAgain
};

// Language 7.
inline const char* const kItalian[66] = {
    "\n \n \t \t Sono necessari almeno : ",  // MsgAtLeast
    "  frazioni unitarie",  // MsgUnitFractions
    "  diverse.",  // MsgDifferent
    "  che possono essere uguali tra loro.",  // MsgMayBeEqual
    " \n \t \t Il valore 1 è vietato per la più piccola incognita.",  // MsgOneForbidden
    "\n \n \t \t Tabella delle soluzioni numerate :  \n \n ",  // MsgTableHeader
    "\n \n \t Numero K di soluzioni successive da visualizzare o altra opzione :  \n \n \t [K] / [zero, nessun limite] / [-1, arrestare] / [-K (K>1), nessun limite e visualizzazione ogni K soluzioni] ?    \t",  // MsgPagePrompt
    " \t L'equazione diofantea ha  ",  // MsgEquationHas
    "  incognite : 1/x1 + 1/x2 + 1/x3 +.....   1/xn =  ",  // MsgUnknownsEq
    "  ammette  ",  // MsgAdmits
    "   soluzione(i). \n ",  // MsgSolutions
    " \n \t Le incognite di una stessa soluzione sono tutte diverse. ",  // MsgAllDifferent
    " \n \t Le incognite di una stessa soluzione possono essere uguali. ",  // MsgMayBeEqualSummary
    " \t Sono inoltre tutte pari. \n \n ",  // MsgAllEven
    " \t Sono inoltre tutte dispari. \n \n ",  // MsgAllOdd
    " \t Sono inoltre tutte di parità indifferente. \n \n ",  // MsgAnyParity
    " \n \n \t  Le incognite devono essere tali che :   ",  // MsgUnknownsMust
    " \n \t  Il numero minimo n di incognite deve essere tale che :   ",  // MsgMinCountMust
    "  è il valore più grande assunto da xn. \n",  // MsgLargestLast
    "  è il valore più piccolo assunto da x1. \n ",  // MsgSmallestFirst
    "\n \t Valore di P ? : \t",  // MsgAskP
    "\n \t Valore di Q ? : \t",  // MsgAskQ
    " \n  \n \t Volete imporre dei vincoli, Sì [1] / No [0]  ? \t",  // MsgAskConstraints
    " \n \n \t Tipo di equazione :  1  o  2  ?  : \t",  // MsgAskType
    "\n \t Parità delle incognite, PARI = 2 , DISPARI = 1 , INDIFERENTE = 0 ? \t: ",  // MsgAskParity
    " \n \n \t \t Nessuna soluzione a causa dei vincoli! \n \n ",  // MsgNoSolution
    "\n  \t Minorante per x1, [inserire zero altrimenti] ?  : \t",  // MsgAskMinFirst
    "\n  \t Maggiorante per xn, [inserire zero altrimenti] ?  : \t",  // MsgAskMaxLast
    "\n  \t Il minorante deve essere inferiore al maggiorante. Ricominciare! \n \n",  // MsgBoundOrderX
    "\n  \t Minorante per n, [inserire zero altrimenti] ?  : \t",  // MsgAskMinCount
    "\n  \t Maggiorante per n, [inserire zero altrimenti] ?  : \t",  // MsgAskMaxCount
    "\n  \t Il minorante deve essere inferiore al maggiorante. Ricominciare!\n \n",  // MsgBoundOrderN
    "\n \t \t    I vincoli non sono compatibili! Ricominciare! \n \n ",  // MsgIncompatible
    " \n  \t Volete escludere il valore 1 per la prima incognita, Sì[1] / No[0] ? : ",  // MsgAskExcludeOne
    " \n \n \t \t Nessuna soluzione a causa dei vincoli! \n \n ",  // MsgNoSolutionForN
    "\n \n \t    Sono necessarie  ",  // MsgItTakes
    " frazioni almeno. ",  // MsgFractionsAtMinimum
    "\n \n \t    Una sola soluzione : \n",  // MsgSingleSolution
    " \n \t FINE DEL CALCOLO",  // MsgEndOfCalculation
    " \t Programma egyptian: ricerca esatta di frazioni egizie, scritto in C++ con NTL.",  // MsgCredit
    " \n   PER MODIFICARE LA DIMENSIONE DEL TESTO E DELLA FINESTRA : [TASTO CTRL] + [ROTELLINA DEL MOUSE]. ",  // MsgZoomHint
    " \n \n \n \t  ***  SVILUPPI EGIZIANI DI LUNGHEZZA MINIMA PER UNA FRAZIONE P/Q  ***. \n",  // MsgTitle
    " \n \t  Visualizzare le spiegazioni ? Sì [1] / No [0] ?\t: ",  // MsgAskExplanations
    " \n \n \t  Questa estensione del programma iniziale trova gli sviluppi egiziani di lunghezza minima per qualsiasi frazione P/Q. ",  // MsgExplain01
    " \n \n \t  Per impostazione predefinita in questi sviluppi tutti i denominatori devono essere diversi (Tipo 2).",  // MsgExplain02
    " \n \n \t  Quando P/Q >= 1 si può scegliere di non avere denominatori uguali a 1. ",  // MsgExplain03
    " \n \n \t  Opzioni facoltative permettono di imporre vincoli per la ricerca : ",  // MsgExplain04
    " \n \n \t    - Tipo di sviluppi : Tipo 1 / Tipo 2 ",  // MsgExplain05
    " \n \t    - Parità delle incognite : Pari/ Dispari/ Indifferente.",  // MsgExplain06
    " \n \t    - Minimo per x1 : N.",  // MsgExplain07
    " \n \t    - Massimo per xn : M.",  // MsgExplain08
    " \n \t    - Minimo per n. ",  // MsgExplain09
    " \n \t    - Massimo per n. ",  // MsgExplain10
    " \n \n \t Quando non si vuole usare una di queste opzioni è sufficiente inserire zero.",  // MsgExplain11
    " \n \n \t In ogni momento del calcolo deve valere : n/M <= P/Q <= n/N.",  // MsgExplain12
    " \n \t Se queste condizioni non sono rispettate all'inizio del calcolo o quando n varia, viene mostrato un messaggio di impossibilità.",  // MsgExplain13
    " \n \n \t Una volta trovato il più piccolo valore di n per cui esistono sviluppi (tenendo conto dei vincoli), viene mostrato il primo di essi. ",  // MsgExplain14
    " \n \t Si entra quindi nel caso del programma iniziale che permette di trovare tutti gli sviluppi di lunghezza n di una frazione P/Q.",  // MsgExplain15
    " \n \t Si può quindi elencare o contare tutte le soluzioni per questo valore di n.",  // MsgExplain16
    " \n \n \t Attenzione! In alcuni casi i calcoli possono essere lunghi!",  // MsgExplain17
    " \n \t Gli interi di qualsiasi dimensione sono trattati esattamente con la libreria NTL.",  // MsgExplain18
    " \n \n \t A causa dei vincoli, può non esserci alcuna soluzione ma il programma potrebbe cercare indefinitamente.",  // MsgExplain19
    " \n \t Dalla versione 6, alcuni casi di impossibilità quando le incognite sono tutte dispari vengono rilevati. Questo evita test inutili. ",  // MsgExplain20
    " \n \n \t In questa estensione un errore di inserimento non fa bloccare il programma, viene richiesta una nuova immissione.",  // MsgExplain21
    " \n \t L'ultima versione KESTREL_V7 ha un algoritmo migliorato che evita di testare inutilmente alcuni casi per il Tipo 2.",  // MsgExplain22
    "\n \t  Nuovo calcolo ?  Sì [1] / Fine [0]  :     ",  // MsgAskAgain
};

}  // namespace expected
