<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>Caracteres</name>
    <message>
        <source>El texto no es UTF-8 válido.</source>
        <translation>Testua ez da baliozko UTF-8.</translation>
    </message>
    <message>
        <source>El carácter %1 no existe en Windows-1252.</source>
        <translation>%1 karakterea ez dago Windows-1252 multzoan.</translation>
    </message>
</context>
<context>
    <name>CentreModel</name>
    <message>
        <source>Código CENTRO</source>
        <translation>IKASTETXEAREN kodea</translation>
    </message>
    <message>
        <source>Año Académico</source>
        <translation>Ikasturtea</translation>
    </message>
    <message>
        <source>Versión</source>
        <translation>Bertsioa</translation>
    </message>
</context>
<context>
    <name>ClassesModel</name>
    <message>
        <source>Profe.</source>
        <translation>Irak.</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Eguna</translation>
    </message>
    <message>
        <source>Sesión</source>
        <translation>Saioa</translation>
    </message>
    <message>
        <source>H.INI.</source>
        <translation>H.HAS.</translation>
    </message>
    <message>
        <source>H. FIN</source>
        <translation>H. AMA.</translation>
    </message>
    <message>
        <source>Asignatura</source>
        <translation>Irakasgaia</translation>
    </message>
    <message>
        <source>Nombre ASIGNATURA</source>
        <translation>IRAKASGAIAREN izena</translation>
    </message>
    <message>
        <source>Cód.ASIG</source>
        <translation>IRAKG.KOD.</translation>
    </message>
    <message>
        <source>TAREA</source>
        <translation>ZEREGINA</translation>
    </message>
    <message>
        <source>NIVEL</source>
        <translation>MAILA</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>HIZKUNTZA</translation>
    </message>
    <message>
        <source>ACTIV.</source>
        <translation>JARD.</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>PLANA</translation>
    </message>
</context>
<context>
    <name>Codificación</name>
    <message>
        <source>           !!!ATENCIÓN!!!                 <byte value="xd"/>Todavía hay algún Profesor SIN DOCumento(DNI).<byte value="xd"/>       ¿Desea corregir esta incidencia?       </source>
        <translation>           !!!ADI!!!                 </translation>
    </message>
    <message>
        <source>No debe modificar este dato. Esta línea NO es de carácter Lectivo.</source>
        <translation>Ez duzu datu hau aldatu behar. Lerro hau EZ da lektiboa.</translation>
    </message>
    <message>
        <source>No debe modificar este dato. Esta línea ES de carácter Lectivo.</source>
        <translation>Ez duzu datu hau aldatu behar. Lerro hau lektiboa DA.</translation>
    </message>
</context>
<context>
    <name>Comprobación</name>
    <message>
        <source>lunes</source>
        <translation>astelehena</translation>
    </message>
    <message>
        <source>martes</source>
        <translation>asteartea</translation>
    </message>
    <message>
        <source>miércoles</source>
        <translation>asteazkena</translation>
    </message>
    <message>
        <source>jueves</source>
        <translation>osteguna</translation>
    </message>
    <message>
        <source>viernes</source>
        <translation>ostirala</translation>
    </message>
    <message>
        <source>sábado</source>
        <translation>larunbata</translation>
    </message>
    <message>
        <source>domingo</source>
        <translation>igandea</translation>
    </message>
    <message>
        <source>día %1</source>
        <translation>%1. eguna</translation>
    </message>
    <message>
        <source>Profesor %1, %2, sesión %3</source>
        <translation>%1 irakaslea, %2, %3. saioa</translation>
    </message>
    <message>
        <source>Profesor %1, %2, sesión %3 (%4)</source>
        <translation>%1 irakaslea, %2, %3. saioa (%4)</translation>
    </message>
    <message>
        <source>Profesor %1</source>
        <translation>%1 irakaslea</translation>
    </message>
    <message>
        <source>Profesor %1 (%2)</source>
        <translation>%1 irakaslea (%2)</translation>
    </message>
    <message>
        <source>Grupo %1 con %2, %3, sesión %4</source>
        <translation>%1 taldea (%2), %3, %4. saioa</translation>
    </message>
    <message>
        <source>%1: falta la hora de inicio y falta la hora de fin.</source>
        <translation>%1: hasiera ordua eta amaiera ordua falta dira.</translation>
    </message>
    <message>
        <source>%1: falta la hora de inicio y la hora de fin %3 no tiene la forma hh:mm.</source>
        <translation>%1: hasiera ordua falta da, eta %3 amaiera orduak ez du hh:mm itxura.</translation>
    </message>
    <message>
        <source>%1: la hora de inicio %2 no tiene la forma hh:mm y falta la hora de fin.</source>
        <translation>%1: %2 hasiera orduak ez du hh:mm itxura, eta amaiera ordua falta da.</translation>
    </message>
    <message>
        <source>%1: la hora de inicio %2 no tiene la forma hh:mm y la hora de fin %3 no tiene la forma hh:mm.</source>
        <translation>%1: %2 hasiera orduak ez du hh:mm itxura, eta %3 amaiera orduak ere ez.</translation>
    </message>
    <message>
        <source>%1: falta la hora de inicio.</source>
        <translation>%1: hasiera ordua falta da.</translation>
    </message>
    <message>
        <source>%1: la hora de inicio %2 no tiene la forma hh:mm.</source>
        <translation>%1: %2 hasiera orduak ez du hh:mm itxura.</translation>
    </message>
    <message>
        <source>%1: falta la hora de fin.</source>
        <translation>%1: amaiera ordua falta da.</translation>
    </message>
    <message>
        <source>%1: la hora de fin %3 no tiene la forma hh:mm.</source>
        <translation>%1: %3 amaiera orduak ez du hh:mm itxura.</translation>
    </message>
    <message>
        <source>%1: empieza (%2) después de terminar (%3).</source>
        <translation>%1: amaitu (%3) ondoren hasten da (%2).</translation>
    </message>
    <message>
        <source>%1: la tarea %2 pide una actividad y falta el tipo de actividad (ACTIV.).</source>
        <translation>%1: %2 zereginak jarduera bat eskatzen du, eta jarduera mota (JARD.) falta da.</translation>
    </message>
    <message>
        <source>%1: el código %2 es de una actividad y falta el tipo de actividad (ACTIV.).</source>
        <translation>%1: %2 kodea jarduera batena da, eta jarduera mota (JARD.) falta da.</translation>
    </message>
    <message>
        <source>%1: falta el código DAE de la asignatura (Cód.ASIG) o, si no es lectiva, el tipo de actividad (ACTIV.).</source>
        <translation>%1: irakasgaiaren DAE kodea (IRAKG.KOD.) falta da edo, lektiboa ez bada, jarduera mota (JARD.).</translation>
    </message>
    <message>
        <source>%1: el tipo de documento (TIPDOC) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 agiri motak (TIPDOC) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el documento (DOC) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 agiriak (DOC) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: la tarea (TIPTAR) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 zereginak (TIPTAR) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el aula (AULA_OBS) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 ikasgelak (AULA_OBS) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el código de asignatura (CODASIG) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 irakasgai kodeak (CODASIG) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el tipo de asignatura (TIPASIG) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 irakasgai motak (TIPASIG) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el idioma (IDIOMA) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 hizkuntzak (IDIOMA) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: la actividad (TIP_ACTIV) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 jarduerak (TIP_ACTIV) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el nivel (GRUPNIV) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 mailak (GRUPNIV) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el plan (PLAN) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 planak (PLAN) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: falta el código DAE del grupo (Cód.GRUP.).</source>
        <translation>%1: taldearen DAE kodea (TALDE.KOD.) falta da.</translation>
    </message>
    <message>
        <source>%1: el número de alumnos %2 no es un número.</source>
        <translation>%1: %2 ikasle kopurua ez da zenbaki bat.</translation>
    </message>
    <message>
        <source>%1: el código del grupo (CODGRUPO) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 talde kodeak (CODGRUPO) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el alias del grupo (ALIASDAE) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 talde aliasak (ALIASDAE) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>%1: el número de alumnos (NUMALUM) %2 tiene %3 caracteres y en la línea de DAE caben %4.</source>
        <translation>%1: %2 ikasle kopuruak (NUMALUM) %3 karaktere ditu, eta DAEren lerroan %4 sartzen dira.</translation>
    </message>
    <message>
        <source>Centro: no hay datos del centro (daeCENTRO); falta el código del centro.</source>
        <translation>Ikastetxea: ez dago ikastetxearen daturik (daeCENTRO); ikastetxearen kodea falta da.</translation>
    </message>
    <message>
        <source>Centro: falta el código del centro.</source>
        <translation>Ikastetxea: ikastetxearen kodea falta da.</translation>
    </message>
    <message>
        <source>Centro: el código del centro %1 no tiene %2 caracteres.</source>
        <translation>Ikastetxea: %1 ikastetxe kodeak ez ditu %2 karaktere.</translation>
    </message>
    <message>
        <source>Centro: no hay datos del centro (daeCENTRO); falta el año académico.</source>
        <translation>Ikastetxea: ez dago ikastetxearen daturik (daeCENTRO); ikasturtea falta da.</translation>
    </message>
    <message>
        <source>Centro: falta el año académico.</source>
        <translation>Ikastetxea: ikasturtea falta da.</translation>
    </message>
    <message>
        <source>Centro: el año académico %1 no tiene %2 caracteres.</source>
        <translation>Ikastetxea: %1 ikasturteak ez ditu %2 karaktere.</translation>
    </message>
    <message>
        <source>%1: el día no está en la tabla de días y horas del horario.</source>
        <translation>%1: eguna ez dago ordutegiaren egun eta orduen taulan.</translation>
    </message>
    <message>
        <source>%1: la sesión no está en la plantilla horaria del centro.</source>
        <translation>%1: saioa ez dago ikastetxeko ordutegi txantiloian.</translation>
    </message>
    <message>
        <source>%1: la clase termina después de la última sesión de la plantilla horaria del centro.</source>
        <translation>%1: eskola ikastetxeko ordutegi txantiloiaren azken saioaren ondoren amaitzen da.</translation>
    </message>
    <message>
        <source>%1: el tipo de actividad %2 no está en la lista de actividades de DAE.</source>
        <translation>%1: %2 jarduera mota ez dago DAEren jardueren zerrendan.</translation>
    </message>
    <message>
        <source>%1: el código de asignatura %2 no está en la lista de asignaturas de DAE.</source>
        <translation>%1: %2 irakasgai kodea ez dago DAEren irakasgaien zerrendan.</translation>
    </message>
    <message>
        <source>%1: falta el número de alumnos (se escribiría 0).</source>
        <translation>%1: ikasle kopurua falta da (0 idatziko litzateke).</translation>
    </message>
    <message>
        <source>%1: el número de alumnos es 0.</source>
        <translation>%1: ikasle kopurua 0 da.</translation>
    </message>
    <message>
        <source>%1: tiene el mismo documento %2 que %3.</source>
        <translation>%1: %2 agiri bera du, %3 bezala.</translation>
    </message>
    <message>
        <source>%1: faltan el tipo de documento y el documento (DNI).</source>
        <translation>%1: agiri mota eta agiria (NAN) falta dira.</translation>
    </message>
    <message>
        <source>%1: falta el tipo de documento.</source>
        <translation>%1: agiri mota falta da.</translation>
    </message>
    <message>
        <source>%1: falta el documento (DNI).</source>
        <translation>%1: agiria (NAN) falta da.</translation>
    </message>
    <message>
        <source>%1: no tiene ninguna clase en el horario.</source>
        <translation>%1: ez du eskolarik ordutegian.</translation>
    </message>
    <message>
        <source>%1, de %2-%3: se solapa con su clase de la sesión %4 (%5-%6).</source>
        <translation>%1, %2-%3: %4. saioko bere eskolarekin gainjartzen da (%5-%6).</translation>
    </message>
    <message>
        <source>%1 (%2, %3-%4): el grupo tiene a la vez %5 con %6 (%7-%8).</source>
        <translation>%1 (%2, %3-%4): taldeak aldi berean %5 (%6) du (%7-%8).</translation>
    </message>
    <message>
        <source>código del centro</source>
        <translation>ikastetxearen kodea</translation>
    </message>
    <message>
        <source>año académico</source>
        <translation>ikasturtea</translation>
    </message>
    <message>
        <source>profesores sin documento</source>
        <translation>agiririk gabeko irakasleak</translation>
    </message>
    <message>
        <source>asignaturas sin código</source>
        <translation>koderik gabeko irakasgaiak</translation>
    </message>
    <message>
        <source>actividades sin tipo</source>
        <translation>motarik gabeko jarduerak</translation>
    </message>
    <message>
        <source>grupos sin código</source>
        <translation>koderik gabeko taldeak</translation>
    </message>
    <message>
        <source>números de alumnos que no son números</source>
        <translation>zenbaki ez diren ikasle kopuruak</translation>
    </message>
    <message>
        <source>horas incorrectas</source>
        <translation>ordu okerrak</translation>
    </message>
    <message>
        <source>datos que no caben en su sitio</source>
        <translation>beren tokian sartzen ez diren datuak</translation>
    </message>
    <message>
        <source>profesores en dos clases a la vez</source>
        <translation>aldi berean bi eskolatan dauden irakasleak</translation>
    </message>
    <message>
        <source>grupos en dos clases a la vez</source>
        <translation>aldi berean bi eskolatan dauden taldeak</translation>
    </message>
    <message>
        <source>clases fuera de la plantilla horaria</source>
        <translation>ordutegi txantiloitik kanpoko eskolak</translation>
    </message>
    <message>
        <source>grupos sin alumnos</source>
        <translation>ikaslerik gabeko taldeak</translation>
    </message>
    <message>
        <source>profesores sin clases</source>
        <translation>eskolarik gabeko irakasleak</translation>
    </message>
    <message>
        <source>documentos repetidos</source>
        <translation>errepikatutako agiriak</translation>
    </message>
    <message>
        <source>asignaturas fuera de la lista de DAE</source>
        <translation>DAEren zerrendatik kanpoko irakasgaiak</translation>
    </message>
    <message>
        <source>actividades fuera de la lista de DAE</source>
        <translation>DAEren zerrendatik kanpoko jarduerak</translation>
    </message>
    <message>
        <source>Y %1 errores más de este tipo (%2), que no se enumeran.</source>
        <translation>Eta mota honetako (%2) beste %1 akats, zerrendatu gabe.</translation>
    </message>
    <message>
        <source>Y %1 avisos más de este tipo (%2), que no se enumeran.</source>
        <translation>Eta mota honetako (%2) beste %1 abisu, zerrendatu gabe.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>AKATSA</translation>
    </message>
    <message>
        <source>AVISO</source>
        <translation>ABISUA</translation>
    </message>
    <message>
        <source>Comprobación de fCUADROS.txt: sin errores ni avisos.</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena: akatsik eta abisurik gabe.</translation>
    </message>
    <message>
        <source>Comprobación de fCUADROS.txt: %1 error y %2 aviso.</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena: %1 akats eta %2 abisu.</translation>
    </message>
    <message>
        <source>Comprobación de fCUADROS.txt: %1 error y %2 avisos.</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena: %1 akats eta %2 abisu.</translation>
    </message>
    <message>
        <source>Comprobación de fCUADROS.txt: %1 errores y %2 aviso.</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena: %1 akats eta %2 abisu.</translation>
    </message>
    <message>
        <source>Comprobación de fCUADROS.txt: %1 errores y %2 avisos.</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena: %1 akats eta %2 abisu.</translation>
    </message>
    <message>
        <source>Gravedad;Tipo;Descripción;Tabla;Registro</source>
        <translation>Larritasuna;Mota;Deskribapena;Taula;Erregistroa</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>Exportar</name>
    <message>
        <source>No existe archivo del Centro (daeCENTRO.DBF)</source>
        <translation>Ez dago ikastetxearen fitxategia (daeCENTRO.DBF)</translation>
    </message>
    <message>
        <source>Abreviatura en Castellano Repetida - Compruébelo.</source>
        <translation>Gaztelaniazko laburdura errepikatuta dago - Egiaztatu.</translation>
    </message>
    <message>
        <source>Abreviatura en Euskera Repetida - Compruébelo.</source>
        <translation>Euskarazko laburdura errepikatuta dago - Egiaztatu.</translation>
    </message>
    <message>
        <source>No existe archivo DAE (%1)</source>
        <translation>Ez dago DAE fitxategia (%1)</translation>
    </message>
    <message>
        <source>No existe archivo DAE de Asignaturas (V55T15W18T54_1.txt)</source>
        <translation>Ez dago irakasgaien DAE fitxategia (V55T15W18T54_1.txt)</translation>
    </message>
    <message>
        <source>No existe archivo DAE de Aulas (AULAS.txt)</source>
        <translation>Ez dago ikasgelen DAE fitxategia (AULAS.txt)</translation>
    </message>
    <message>
        <source>No existe archivo DAE de Grupos (GRUPOS.txt)</source>
        <translation>Ez dago taldeen DAE fitxategia (GRUPOS.txt)</translation>
    </message>
    <message>
        <source>No existe archivo DAE de Profesores (profesorado.txt)</source>
        <translation>Ez dago irakasleen DAE fitxategia (profesorado.txt)</translation>
    </message>
    <message>
        <source>No existe archivo de Niveles (daeNIVIMP.DBF)</source>
        <translation>Ez dago mailen fitxategia (daeNIVIMP.DBF)</translation>
    </message>
    <message>
        <source>Recuperación de Niveles y Cursos importados anteriormente</source>
        <translation>Lehen inportatutako mailak eta kurtsoak berreskuratzea</translation>
    </message>
    <message>
        <source>Existen Niveles y Cursos ya definidos de una Importación anterior.
¿Quiere recuperar las codificaciones introducidas anteriormente?</source>
        <translation>Aurreko inportazio batean zehaztutako mailak eta kurtsoak badaude.
Lehen sartutako kodeak berreskuratu nahi dituzu?</translation>
    </message>
    <message>
        <source>No se puede abrir el archivo %1</source>
        <translation>Ezin da %1 fitxategia ireki</translation>
    </message>
    <message>
        <source>Error de lectura en el archivo %1</source>
        <translation>Irakurketa akatsa %1 fitxategian</translation>
    </message>
    <message>
        <source>No existe archivo DAE (Plantillas.txt o T02.txt)</source>
        <translation>Ez dago DAE fitxategia (Plantillas.txt edo T02.txt)</translation>
    </message>
    <message>
        <source>Pero podrá Crear su Plantilla Horaria, cuando Exporte la Solución del Horario.</source>
        <translation>Baina ordutegi txantiloia sortu ahal izango duzu, ordutegiaren soluzioa esportatzen duzunean.</translation>
    </message>
    <message>
        <source>Proceso finalizado</source>
        <translation>Prozesua amaitu da</translation>
    </message>
</context>
<context>
    <name>GroupsModel</name>
    <message>
        <source>Grupo</source>
        <translation>Taldea</translation>
    </message>
    <message>
        <source>Cód.GRUP.</source>
        <translation>TALDE.KOD.</translation>
    </message>
    <message>
        <source>Grupo ALIAS DAE</source>
        <translation>Taldearen DAE ALIASA</translation>
    </message>
    <message>
        <source>Núm.Alumnos</source>
        <translation>Ikasle kop.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No se encuentra la ayuda: falta el archivo %1.</source>
        <translation>Ez da laguntza aurkitzen: %1 fitxategia falta da.</translation>
    </message>
    <message>
        <source>No se puede mostrar la ayuda: este equipo no tiene ningún programa para abrir %1.</source>
        <translation>Ezin da laguntza erakutsi: ordenagailu honek ez du %1 irekitzeko programarik.</translation>
    </message>
</context>
<context>
    <name>Importar</name>
    <message>
        <source>El archivo &apos;%1&apos; está en uso por otro programa; no se ha cambiado nada.</source>
        <translation>&apos;%1&apos; fitxategia beste programa bat erabiltzen ari da; ez da ezer aldatu.</translation>
    </message>
    <message>
        <source>No existe la carpeta</source>
        <translation>Karpeta ez da existitzen</translation>
    </message>
    <message>
        <source>Si Conserva los Datos de la Exportación Anterior,<byte value="xd"/>estos se ajustarán a los cambios hechos en el horario,<byte value="xd"/>pero se conservarán los Códigos DAE puestos anteriormente.<byte value="xd"/>¿Desea Conservar los Datos de la Exportación Anterior?</source>
        <translation>Aurreko esportazioaren datuak gordetzen badituzu,</translation>
    </message>
    <message>
        <source>Si desea acceder directamente a la Codificación DAE, pulse SÍ.<byte value="xd"/>                                                             <byte value="xd"/>Si desea Exportar Nuevamente Conservando Datos, pulse NO.</source>
        <translation>DAE kodetzera zuzenean joan nahi baduzu, sakatu BAI.</translation>
    </message>
    <message>
        <source>Proceso finalizado</source>
        <translation>Prozesua amaitu da</translation>
    </message>
    <message>
        <source>!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente</source>
        <translation>!!ADI!! Prozesua EZ da behar bezala amaitu</translation>
    </message>
    <message>
        <source>SOLUC, registro %1: %2</source>
        <translation>SOLUC, %1. erregistroa: %2</translation>
    </message>
    <message>
        <source>No se puede guardar una copia de &apos;%1&apos;: %2.</source>
        <translation>Ezin da &apos;%1&apos; fitxategiaren kopia gorde: %2.</translation>
    </message>
    <message>
        <source>DIASHORAST: el registro %1 tiene DIHO &apos;%2&apos;, cuyos caracteres 2 y 3 no son un número de hora.</source>
        <translation>DIASHORAST: %1. erregistroak DIHO &apos;%2&apos; du, eta haren 2. eta 3. karaktereak ez dira ordu zenbaki bat.</translation>
    </message>
</context>
<context>
    <name>LevelsModel</name>
    <message>
        <source>COD</source>
        <translation>KOD</translation>
    </message>
    <message>
        <source>DESCCASTELLANO</source>
        <translation>DESKGAZTELANIA</translation>
    </message>
    <message>
        <source>ABREVCAST</source>
        <translation>LABURGAZT</translation>
    </message>
    <message>
        <source>DESCEUSKERA</source>
        <translation>DESKEUSKARA</translation>
    </message>
    <message>
        <source>ABREVEUSK</source>
        <translation>LABUREUSK</translation>
    </message>
</context>
<context>
    <name>Línea de órdenes</name>
    <message>
        <source>%1 -&gt; Sí</source>
        <translation>%1 -&gt; Bai</translation>
    </message>
    <message>
        <source>%1:
%2 -&gt; Aceptar</source>
        <translation>%1:
%2 -&gt; Ados</translation>
    </message>
    <message>
        <source>%1:
%2 -&gt; Cancelar</source>
        <translation>%1:
%2 -&gt; Utzi</translation>
    </message>
    <message>
        <source>--plantilla: no hay ninguna plantilla con el código &apos;%1&apos; (plantillas: ninguna)</source>
        <translation>--plantilla: ez dago &apos;%1&apos; kodea duen txantiloirik (txantiloiak: bat ere ez)</translation>
    </message>
    <message>
        <source>--plantilla: no hay ninguna plantilla con el código &apos;%1&apos; (plantillas: %2)</source>
        <translation>--plantilla: ez dago &apos;%1&apos; kodea duen txantiloirik (txantiloiak: %2)</translation>
    </message>
    <message>
        <source>No existe la carpeta</source>
        <translation>Karpeta ez da existitzen</translation>
    </message>
    <message>
        <source>--centro: se esperaban tres datos no vacíos, CODCENTRO,ANOACAD,VERSION (por ejemplo 014725,2025,2526)</source>
        <translation>--centro: hutsik ez dauden hiru datu espero ziren, CODCENTRO,ANOACAD,VERSION (adibidez 014725,2025,2526)</translation>
    </message>
    <message>
        <source>No se escribe fCUADROS.txt: falta el documento (DNI) de este profesor: %1. Indíquelos con --documentos.</source>
        <translation>Ez da fCUADROS.txt idazten: irakasle honen agiria (NAN) falta da: %1. Adierazi --documentos aukerarekin.</translation>
    </message>
    <message>
        <source>No se escribe fCUADROS.txt: falta el documento (DNI) de estos profesores: %1. Indíquelos con --documentos.</source>
        <translation>Ez da fCUADROS.txt idazten: irakasle hauen agiria (NAN) falta da: %1. Adierazi --documentos aukerarekin.</translation>
    </message>
    <message>
        <source>No existe la tabla del centro (daeCENTRO.DBF) en %1: indique sus datos con --centro CODCENTRO,ANOACAD,VERSION</source>
        <translation>Ez dago ikastetxearen taula (daeCENTRO.DBF) %1 karpetan: adierazi haren datuak --centro CODCENTRO,ANOACAD,VERSION aukerarekin</translation>
    </message>
    <message>
        <source>fCUADROS.txt escrito en %1</source>
        <translation>fCUADROS.txt idatzi da hemen: %1</translation>
    </message>
    <message>
        <source>%1: %2 campos, %3 registros</source>
        <translation>%1: %2 eremu, %3 erregistro</translation>
    </message>
    <message>
        <source>%1: %2 %3 tiene más de %4 caracteres</source>
        <translation>%1: %2 %3: %4 karaktere baino gehiago ditu</translation>
    </message>
    <message>
        <source>--documentos: no hay ningún profesor %1 en PROFT</source>
        <translation>--documentos: ez dago %1 irakaslerik PROFT taulan</translation>
    </message>
    <message>
        <source>Tablas escritas en %1:</source>
        <translation>Hemen idatzitako taulak: %1</translation>
    </message>
    <message>
        <source>%1 fila</source>
        <translation>%1 errenkada</translation>
    </message>
    <message>
        <source>%1 filas</source>
        <translation>%1 errenkada</translation>
    </message>
    <message>
        <source>No se escribe fCUADROS.txt: la comprobación ha encontrado errores que DAE no puede aceptar. Corríjalos en la codificación o en Tablorix, o escríbalo igualmente con --escribir-igualmente.</source>
        <translation>Ez da fCUADROS.txt idazten: egiaztapenak DAEk onartu ezin dituen akatsak aurkitu ditu. Zuzendu itzazu kodetzean edo Tablorixen, edo idatzi hala ere --escribir-igualmente aukerarekin.</translation>
    </message>
    <message>
        <source>%1 -&gt; No</source>
        <translation>%1 -&gt; Ez</translation>
    </message>
    <message>
        <source>%1: la abreviatura %2 tiene más de 5 caracteres</source>
        <translation>%1: %2 laburdurak 5 karaktere baino gehiago ditu</translation>
    </message>
    <message>
        <source>--niveles: el nivel %1 no está en daeNIVIMP</source>
        <translation>--niveles: %1 maila ez dago daeNIVIMP taulan</translation>
    </message>
    <message>
        <source>%1: no se puede abrir %2</source>
        <translation>%1: ezin da %2 ireki</translation>
    </message>
    <message>
        <source>%1 %2, línea %3</source>
        <translation>%1 %2, %3. lerroa</translation>
    </message>
    <message>
        <source>%1: se esperaban %2 campos (%3)</source>
        <translation>%1: %2 eremu espero ziren (%3)</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
</context>
<context>
    <name>MissingCodes</name>
    <message>
        <source>Profesor %1: sin documento (DNI)</source>
        <translation>%1 irakaslea: agiririk gabe (NAN)</translation>
    </message>
    <message>
        <source>%1, día %2, sesión %3 (%4): sin Cód.ASIG ni ACTIV.</source>
        <translation>%1, %2. eguna, %3. saioa (%4): IRAKG.KOD. eta JARD. gabe.</translation>
    </message>
</context>
<context>
    <name>PlantillaModel</name>
    <message>
        <source>HORA</source>
        <translation>ORDUA</translation>
    </message>
    <message>
        <source>HORA INICIO CLASE</source>
        <translation>ESKOLA HASIERA ORDUA</translation>
    </message>
    <message>
        <source>HORA FINAL CLASE</source>
        <translation>ESKOLA AMAIERA ORDUA</translation>
    </message>
</context>
<context>
    <name>Sistema</name>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>diskoan ez dago lekurik</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>fitxategia handiegia da</translation>
    </message>
    <message>
        <source>no hay permiso</source>
        <translation>ez dago baimenik</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>diskoa irakurtzeko soilik da</translation>
    </message>
    <message>
        <source>no existe el archivo o la carpeta</source>
        <translation>fitxategia edo karpeta ez da existitzen</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>bidearen zati bat ez da karpeta bat</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>karpeta bat da</translation>
    </message>
    <message>
        <source>demasiados enlaces simbólicos encadenados</source>
        <translation>kateatutako esteka sinboliko gehiegi</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>izena luzeegia da</translation>
    </message>
    <message>
        <source>ya existe</source>
        <translation>badago lehendik</translation>
    </message>
    <message>
        <source>está en uso por otro programa</source>
        <translation>beste programa bat erabiltzen ari da</translation>
    </message>
    <message>
        <source>error de entrada/salida del disco</source>
        <translation>diskoaren sarrera/irteera akatsa</translation>
    </message>
    <message>
        <source>hay demasiados archivos abiertos</source>
        <translation>fitxategi gehiegi daude irekita</translation>
    </message>
    <message>
        <source>no queda memoria</source>
        <translation>ez dago memoriarik</translation>
    </message>
    <message>
        <source>no se puede mover a otro disco</source>
        <translation>ezin da beste disko batera eraman</translation>
    </message>
    <message>
        <source>error del sistema %1</source>
        <translation>sistemaren %1 akatsa</translation>
    </message>
</context>
<context>
    <name>Tablas</name>
    <message>
        <source>No se puede escribir &apos;%1&apos;: %2.</source>
        <translation>Ezin da &apos;%1&apos; idatzi: %2.</translation>
    </message>
    <message>
        <source>No se puede borrar &apos;%1&apos;: %2.</source>
        <translation>Ezin da &apos;%1&apos; ezabatu: %2.</translation>
    </message>
    <message>
        <source>n.º %1</source>
        <translation>%1. zk.</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %2 no tiene nombre.</source>
        <translation>%2 taulako %1 eremuak ez du izenik.</translation>
    </message>
    <message>
        <source>El campo %1 no tiene nombre.</source>
        <translation>%1 eremuak ez du izenik.</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %4 tiene una longitud no válida (%2) para el tipo %3.</source>
        <translation>%4 taulako %1 eremuak luzera baliogabea du (%2) %3 motarako.</translation>
    </message>
    <message>
        <source>El campo %1 tiene una longitud no válida (%2) para el tipo %3.</source>
        <translation>%1 eremuak luzera baliogabea du (%2) %3 motarako.</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %3 tiene un número de decimales no válido (%2).</source>
        <translation>%3 taulako %1 eremuak hamartar kopuru baliogabea du (%2).</translation>
    </message>
    <message>
        <source>El campo %1 tiene un número de decimales no válido (%2).</source>
        <translation>%1 eremuak hamartar kopuru baliogabea du (%2).</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %3 es de un tipo desconocido (%2).</source>
        <translation>%3 taulako %1 eremua mota ezezagun batekoa da (%2).</translation>
    </message>
    <message>
        <source>El campo %1 es de un tipo desconocido (%2).</source>
        <translation>%1 eremua mota ezezagun batekoa da (%2).</translation>
    </message>
    <message>
        <source>El campo %1 de la tabla %3 es de tipo %2, que solo existe en tablas de nivel 7.</source>
        <translation>%3 taulako %1 eremua %2 motakoa da, 7. mailako tauletan bakarrik dagoena.</translation>
    </message>
    <message>
        <source>El campo %1 es de tipo %2, que solo existe en tablas de nivel 7.</source>
        <translation>%1 eremua %2 motakoa da, 7. mailako tauletan bakarrik dagoena.</translation>
    </message>
    <message>
        <source>La tabla %1 tiene la cabecera dañada: la lista de campos no termina dentro de la cabecera.</source>
        <translation>%1 taularen goiburua hondatuta dago: eremuen zerrenda ez da goiburuaren barruan amaitzen.</translation>
    </message>
    <message>
        <source>La tabla %1 no tiene campos.</source>
        <translation>%1 taulak ez du eremurik.</translation>
    </message>
    <message>
        <source>La tabla %1 tiene la cabecera dañada: la longitud de registro (%2) no es la suma de sus campos (%3).</source>
        <translation>%1 taularen goiburua hondatuta dago: erregistroaren luzera (%2) ez da bere eremuen batura (%3).</translation>
    </message>
    <message>
        <source>La tabla %1 está truncada: declara %2 registros y solo contiene %3.</source>
        <translation>%1 taula moztuta dago: %2 erregistro dituela dio, eta %3 baino ez ditu.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el número %2: no cabe en %3 posiciones con %4 decimales.</source>
        <translation>%1 eremuak ez du %2 zenbakia onartzen: ez da sartzen %3 posiziotan %4 hamartarrekin.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el valor %2: se esperaba un número.</source>
        <translation>%1 eremuak ez du %2 balioa onartzen: zenbaki bat espero zen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el valor %2: se esperaba True o False.</source>
        <translation>%1 eremuak ez du %2 balioa onartzen: True edo False espero zen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el valor %2: se esperaba un número de bloque.</source>
        <translation>%1 eremuak ez du %2 balioa onartzen: bloke zenbaki bat espero zen.</translation>
    </message>
    <message>
        <source>La tabla %1 está vacía.</source>
        <translation>%1 taula hutsik dago.</translation>
    </message>
    <message>
        <source>La tabla %1 no es una tabla dBase (versión %2).</source>
        <translation>%1 taula ez da dBase taula bat (%2 bertsioa).</translation>
    </message>
    <message>
        <source>La tabla %1 está truncada: tiene %2 bytes y su cabecera necesita al menos %3.</source>
        <translation>%1 taula moztuta dago: %2 byte ditu, eta bere goiburuak gutxienez %3 behar ditu.</translation>
    </message>
    <message>
        <source>La tabla %1 está truncada: su cabecera declara %2 bytes y el archivo tiene %3.</source>
        <translation>%1 taula moztuta dago: bere goiburuak %2 byte dituela dio, eta fitxategiak %3 ditu.</translation>
    </message>
    <message>
        <source>No se puede crear una tabla sin campos.</source>
        <translation>Ezin da eremurik gabeko taula bat sortu.</translation>
    </message>
    <message>
        <source>El campo %1 tiene un nombre demasiado largo (máximo %2 caracteres).</source>
        <translation>%1 eremuaren izena luzeegia da (gehienez %2 karaktere).</translation>
    </message>
    <message>
        <source>No se puede crear la tabla: tiene demasiados campos.</source>
        <translation>Ezin da taula sortu: eremu gehiegi ditu.</translation>
    </message>
    <message>
        <source>La cabecera de la tabla es más corta que su lista de campos.</source>
        <translation>Taularen goiburua bere eremuen zerrenda baino laburragoa da.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el valor %2: se esperaba una fecha AAAAMMDD.</source>
        <translation>%1 eremuak ez du %2 balioa onartzen: UUUUHHEE data bat espero zen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el valor %2: se esperaba una fecha y hora AAAA-MM-DD HH:MM:SS.</source>
        <translation>%1 eremuak ez du %2 balioa onartzen: UUUU-HH-EE OO:MM:SS data eta ordu bat espero zen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite un valor que no es un número finito.</source>
        <translation>%1 eremuak ez du zenbaki finitua ez den baliorik onartzen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el número %2.</source>
        <translation>%1 eremuak ez du %2 zenbakia onartzen.</translation>
    </message>
    <message>
        <source>El campo %1 no admite el número %2: está fuera del rango de un entero de 32 bits.</source>
        <translation>%1 eremuak ez du %2 zenbakia onartzen: 32 biteko osoko baten heinetik kanpo dago.</translation>
    </message>
    <message>
        <source>El campo %1 no es numérico (tipo %2).</source>
        <translation>%1 eremua ez da zenbakizkoa (%2 mota).</translation>
    </message>
    <message>
        <source>El campo %1 no es lógico (tipo %2).</source>
        <translation>%1 eremua ez da logikoa (%2 mota).</translation>
    </message>
    <message>
        <source>Un campo de tipo &apos;%1&apos; no puede ser clave de índice</source>
        <translation>&apos;%1&apos; motako eremu bat ezin da indize gakoa izan</translation>
    </message>
    <message>
        <source>No se puede crear la carpeta de trabajo &apos;%1&apos;: %2.</source>
        <translation>Ezin da &apos;%1&apos; lan karpeta sortu: %2.</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: mide %2 bytes, menos que su cabecera</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: %2 byte ditu, bere goiburua baino gutxiago</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: versión %2 desconocida</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: %2 bertsio ezezaguna</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: tamaño de bloque no válido (%2)</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: bloke tamaina baliogabea (%2)</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la tabla de etiquetas tiene entradas de %2 bytes</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: etiketen taulak %2 byteko sarrerak ditu</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el archivo termina dentro de la tabla de etiquetas</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: fitxategia etiketen taularen barruan amaitzen da</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: dice tener %2 etiquetas (máximo 47)</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: %2 etiketa dituela dio (gehienez 47)</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: está truncado: la cabecera indica %2 páginas y el archivo mide %3 bytes</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: moztuta dago: goiburuak %2 orri adierazten ditu eta fitxategiak %3 byte ditu</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta &apos;%2&apos; apunta a la página %3, dentro de la tabla de etiquetas</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketak %3. orrira seinalatzen du, etiketen taularen barruan</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la raíz de la etiqueta &apos;%2&apos; apunta a la página %3, dentro de la tabla de etiquetas</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren erroak %3. orrira seinalatzen du, etiketen taularen barruan</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; apunta a la página %3, dentro de la tabla de etiquetas</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitzak %3. orrira seinalatzen du, etiketen taularen barruan</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta &apos;%2&apos; apunta a la página %3, fuera del archivo</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketak %3. orrira seinalatzen du, fitxategitik kanpo</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la raíz de la etiqueta &apos;%2&apos; apunta a la página %3, fuera del archivo</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren erroak %3. orrira seinalatzen du, fitxategitik kanpo</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; apunta a la página %3, fuera del archivo</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitzak %3. orrira seinalatzen du, fitxategitik kanpo</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta &apos;%2&apos; tiene claves de %3 bytes en entradas de %4</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketak %3 byteko gakoak ditu %4 byteko sarreretan</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta %2 no tiene nombre</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: %2. etiketak ez du izenik</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta &apos;%2&apos; tiene un tipo de clave desconocido</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketak gako mota ezezaguna du</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: la etiqueta &apos;%2&apos; de tipo %3 tiene claves de %4 bytes</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: %3 motako &apos;%2&apos; etiketak %4 byteko gakoak ditu</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; vuelve a la página %3</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitza %3. orrira itzultzen da</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; tiene %3 claves en la página %4</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitzak %3 gako ditu %4. orrian</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; tiene hojas a distinta profundidad</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitzak sakonera desberdineko hostoak ditu</translation>
    </message>
    <message>
        <source>El índice &apos;%1&apos; está dañado: el árbol de la etiqueta &apos;%2&apos; tiene un registro 0 en la página %3</source>
        <translation>&apos;%1&apos; indizea hondatuta dago: &apos;%2&apos; etiketaren zuhaitzak 0 erregistro bat du %3. orrian</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; necesita un nombre de 1 a %3 caracteres</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak 1etik %3ra bitarteko karaktereko izena behar du</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; tiene un tipo de clave desconocido</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak gako mota ezezaguna du</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; no admite claves de %3 bytes</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak ez du %3 byteko gakorik onartzen</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; necesita una expresión de 1 a 220 caracteres</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak 1etik 220ra bitarteko karaktereko adierazpena behar du</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; tiene un filtro FOR, que no se sabe escribir</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak FOR iragazki bat du, eta ez dakigu hura idazten</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; recibe una clave de %3 bytes para el registro %4</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketak %3 byteko gako bat jasotzen du %4. erregistrorako</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: no caben %2 etiquetas (máximo 47)</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: ez dira %2 etiketa sartzen (gehienez 47)</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: la etiqueta &apos;%2&apos; está repetida</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: &apos;%2&apos; etiketa errepikatuta dago</translation>
    </message>
    <message>
        <source>No se puede escribir el índice &apos;%1.MDX&apos;: versión %2 desconocida</source>
        <translation>Ezin da &apos;%1.MDX&apos; indizea idatzi: %2 bertsio ezezaguna</translation>
    </message>
    <message>
        <source>La tabla no está abierta.</source>
        <translation>Taula ez dago irekita.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; no está en modo de edición.</source>
        <translation>&apos;%1&apos; taula ez dago edizio moduan.</translation>
    </message>
    <message>
        <source>Filtro no válido en la tabla &apos;%1&apos;: %2</source>
        <translation>Iragazki baliogabea &apos;%1&apos; taulan: %2</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está abierta; no se puede crear de nuevo.</source>
        <translation>&apos;%1&apos; taula irekita dago; ezin da berriro sortu.</translation>
    </message>
    <message>
        <source>Número de campo fuera de rango en la tabla &apos;%1&apos;.</source>
        <translation>Eremu zenbakia heinetik kanpo dago &apos;%1&apos; taulan.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ez da koma mugikorreko baliozko balio bat</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está abierta sólo para lectura.</source>
        <translation>&apos;%1&apos; taula irakurtzeko soilik dago irekita.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está vacía; no hay registro que borrar.</source>
        <translation>&apos;%1&apos; taula hutsik dago; ez dago ezabatzeko erregistrorik.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; no tiene índice activo para FindKey.</source>
        <translation>&apos;%1&apos; taulak ez du indize aktiborik FindKey-rako.</translation>
    </message>
    <message>
        <source>Locate en la tabla &apos;%1&apos;: campos y valores no se corresponden.</source>
        <translation>Locate &apos;%1&apos; taulan: eremuak eta balioak ez datoz bat.</translation>
    </message>
    <message>
        <source>Registro no encontrado en la tabla &apos;%1&apos;.</source>
        <translation>Ez da erregistroa aurkitu &apos;%1&apos; taulan.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: falta el nombre.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: izena falta da.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: no tiene campos.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: ez du eremurik.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: nombre de campo no válido &apos;%2&apos;.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: &apos;%2&apos; eremu izena ez da baliozkoa.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: campo repetido &apos;%2&apos;.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: &apos;%2&apos; eremua errepikatuta dago.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: anchura no válida del campo &apos;%2&apos;.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: &apos;%2&apos; eremuaren zabalera ez da baliozkoa.</translation>
    </message>
    <message>
        <source>No se puede crear la tabla &apos;%1&apos;: índice sobre un campo que no existe &apos;%2&apos;.</source>
        <translation>Ezin da &apos;%1&apos; taula sortu: existitzen ez den &apos;%2&apos; eremuaren gaineko indizea.</translation>
    </message>
    <message>
        <source>No se puede abrir la tabla &apos;%1&apos;.</source>
        <translation>Ezin da &apos;%1&apos; taula ireki.</translation>
    </message>
    <message>
        <source>Error al leer la tabla &apos;%1&apos;.</source>
        <translation>Akatsa &apos;%1&apos; taula irakurtzean.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está en uso.</source>
        <translation>&apos;%1&apos; taula erabiltzen ari dira.</translation>
    </message>
    <message>
        <source>No existe la tabla &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; taula ez da existitzen.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está en uso por otro programa.</source>
        <translation>&apos;%1&apos; taula beste programa bat erabiltzen ari da.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; tiene un índice (&apos;%2&apos;) que este programa no puede mantener; no se modifica.</source>
        <translation>&apos;%1&apos; taulak programa honek mantendu ezin duen indize bat du (&apos;%2&apos;); ez da aldatzen.</translation>
    </message>
    <message>
        <source>Cabecera de tabla incompleta.</source>
        <translation>Taularen goiburua osatu gabe dago.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ez da baliozko osoko balio bat</translation>
    </message>
    <message>
        <source>%1 (%2 caracteres)</source>
        <translation>%1 (%2 karaktere)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid boolean value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; ez da &apos;%2&apos; eremurako baliozko balio boolear bat</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; ez da &apos;%2&apos; eremurako baliozko osoko balio bat</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value for field &apos;%2&apos;</source>
        <translation>&apos;%1&apos; ez da &apos;%2&apos; eremurako koma mugikorreko baliozko balio bat</translation>
    </message>
    <message>
        <source>El campo &apos;%1&apos; no admite texto.</source>
        <translation>&apos;%1&apos; eremuak ez du testurik onartzen.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; está vacía.</source>
        <translation>&apos;%1&apos; taula hutsik dago.</translation>
    </message>
    <message>
        <source>La tabla &apos;%1&apos; no tiene el campo &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; taulak ez du &apos;%2&apos; eremua.</translation>
    </message>
</context>
<context>
    <name>TablorixIni</name>
    <message>
        <source>No se puede leer %1</source>
        <translation>Ezin da %1 irakurri</translation>
    </message>
    <message>
        <source>No se puede escribir %1</source>
        <translation>Ezin da %1 idatzi</translation>
    </message>
</context>
<context>
    <name>TeachersModel</name>
    <message>
        <source>Profesor</source>
        <translation>Irakaslea</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Departamento</source>
        <translation>Mintegia</translation>
    </message>
    <message>
        <source>TipoDOC</source>
        <translation>AgiriMota</translation>
    </message>
    <message>
        <source>DOCUMENTO D.N.I.</source>
        <translation>N.A.N. AGIRIA</translation>
    </message>
</context>
<context>
    <name>TemplatesModel</name>
    <message>
        <source>CODIGO</source>
        <translation>KODEA</translation>
    </message>
    <message>
        <source>PLANTILLA</source>
        <translation>TXANTILOIA</translation>
    </message>
</context>
<context>
    <name>tv::app::CentreModel</name>
    <message>
        <source>Código CENTRO</source>
        <translation type="vanished">IKASTETXEAREN kodea</translation>
    </message>
    <message>
        <source>Año Académico</source>
        <translation type="vanished">Ikasturtea</translation>
    </message>
    <message>
        <source>Versión</source>
        <translation type="vanished">Bertsioa</translation>
    </message>
</context>
<context>
    <name>tv::app::CentrePanel</name>
    <message>
        <source>Aceptar o Corregir sus Datos del Centro:</source>
        <translation>Onartu edo zuzendu ikastetxeko datuak:</translation>
    </message>
    <message>
        <source>!!! I M P O R T A N T E !!!</source>
        <translation>!!! GARRANTZITSUA !!!</translation>
    </message>
    <message>
        <source>Indique si su Centro es :</source>
        <translation>Adierazi ikastetxe mota :</translation>
    </message>
    <message>
        <source>de ENTIDAD PÚBLICA:</source>
        <translation>ERAKUNDE PUBLIKOKOA:</translation>
    </message>
    <message>
        <source>PRIVADO o CONCERTADO:</source>
        <translation>PRIBATUA edo ITUNPEKOA:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::ClassesModel</name>
    <message>
        <source>Profe.</source>
        <translation type="vanished">Irak.</translation>
    </message>
    <message>
        <source>Día</source>
        <translation type="vanished">Eguna</translation>
    </message>
    <message>
        <source>Sesión</source>
        <translation type="vanished">Saioa</translation>
    </message>
    <message>
        <source>H.INI.</source>
        <translation type="vanished">H.HAS.</translation>
    </message>
    <message>
        <source>H. FIN</source>
        <translation type="vanished">H. AMA.</translation>
    </message>
    <message>
        <source>Asignatura</source>
        <translation type="vanished">Irakasgaia</translation>
    </message>
    <message>
        <source>Nombre ASIGNATURA</source>
        <translation type="vanished">IRAKASGAIAREN izena</translation>
    </message>
    <message>
        <source>Cód.ASIG</source>
        <translation type="vanished">IRAKG.KOD.</translation>
    </message>
    <message>
        <source>TAREA</source>
        <translation type="vanished">ZEREGINA</translation>
    </message>
    <message>
        <source>NIVEL</source>
        <translation type="vanished">MAILA</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation type="vanished">HIZKUNTZA</translation>
    </message>
    <message>
        <source>ACTIV.</source>
        <translation type="vanished">JARD.</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation type="vanished">PLANA</translation>
    </message>
</context>
<context>
    <name>tv::app::CodificationExtras</name>
    <message>
        <source>Ver lista...</source>
        <translation>Ikusi zerrenda...</translation>
    </message>
    <message>
        <source>Horario semanal del profesor...</source>
        <translation>Irakaslearen asteko ordutegia...</translation>
    </message>
    <message>
        <source>Todos los registros tienen sus códigos.</source>
        <translation>Erregistro guztiek dute beren kodea.</translation>
    </message>
    <message>
        <source>Registros sin código: %1</source>
        <translation>Koderik gabeko erregistroak: %1</translation>
    </message>
    <message>
        <source>Horario semanal de %1</source>
        <translation>%1 irakaslearen asteko ordutegia</translation>
    </message>
    <message>
        <source>Registros sin código</source>
        <translation>Koderik gabeko erregistroak</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>tv::app::CursorTableModel</name>
    <message>
        <source>El texto «%1» tiene caracteres que no caben en la tabla.</source>
        <translation>«%1» testuak taulan sartzen ez diren karaktereak ditu.</translation>
    </message>
</context>
<context>
    <name>tv::app::DaeHeading</name>
    <message>
        <source>DAE</source>
        <translation>DAE</translation>
    </message>
</context>
<context>
    <name>tv::app::DirectionPanel</name>
    <message>
        <source>Transformar datos desde DAE hacia Tablorix </source>
        <translation>Datuak DAEtik Tablorixera eraldatu </translation>
    </message>
    <message>
        <source>Transformar datos desde Tablorix hacia DAE</source>
        <translation>Datuak Tablorixetik DAEra eraldatu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Recoger Textos en:</source>
        <translation>Testuen hizkuntza:</translation>
    </message>
</context>
<context>
    <name>tv::app::FindingsDialog</name>
    <message>
        <source>Comprobación de fCUADROS.txt</source>
        <translation>fCUADROS.txt fitxategiaren egiaztapena</translation>
    </message>
    <message>
        <source>Doble clic en una línea para ir al registro en la ventana de codificación.</source>
        <translation>Egin klik bikoitza lerro batean kodetze-leihoko erregistrora joateko.</translation>
    </message>
    <message>
        <source>&amp;Guardar informe...</source>
        <translation>&amp;Gorde txostena...</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Itxi</translation>
    </message>
    <message>
        <source>Guardar informe de la comprobación</source>
        <translation>Gorde egiaztapenaren txostena</translation>
    </message>
    <message>
        <source>Hojas de cálculo CSV (*.csv)</source>
        <translation>CSV kalkulu-orriak (*.csv)</translation>
    </message>
</context>
<context>
    <name>tv::app::FindingsModel</name>
    <message>
        <source>Gravedad</source>
        <translation>Larritasuna</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Deskribapena</translation>
    </message>
</context>
<context>
    <name>tv::app::FolderPanel</name>
    <message>
        <source>Carpeta en la que se encuentran los Ficheros TXT de DAE</source>
        <translation>DAEren TXT fitxategiak dauden karpeta</translation>
    </message>
    <message>
        <source>Ruta Actual:</source>
        <translation>Bidea:</translation>
    </message>
    <message>
        <source>TransTablorixDAE para TX19 V-1.0</source>
        <translation>TransTablorixDAE TX19rako V-1.0</translation>
    </message>
    <message>
        <source>F1 AYUDA</source>
        <translation>F1 LAGUNTZA</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Irten</translation>
    </message>
</context>
<context>
    <name>tv::app::GroupsModel</name>
    <message>
        <source>Grupo</source>
        <translation type="vanished">Taldea</translation>
    </message>
    <message>
        <source>Cód.GRUP.</source>
        <translation type="vanished">TALDE.KOD.</translation>
    </message>
    <message>
        <source>Grupo ALIAS DAE</source>
        <translation type="vanished">Taldearen DAE ALIASA</translation>
    </message>
    <message>
        <source>Núm.Alumnos</source>
        <translation type="vanished">Ikasle kop.</translation>
    </message>
</context>
<context>
    <name>tv::app::LevelsModel</name>
    <message>
        <source>COD</source>
        <translation type="vanished">KOD</translation>
    </message>
    <message>
        <source>DESCCASTELLANO</source>
        <translation type="vanished">DESKGAZTELANIA</translation>
    </message>
    <message>
        <source>ABREVCAST</source>
        <translation type="vanished">LABURGAZT</translation>
    </message>
    <message>
        <source>DESCEUSKERA</source>
        <translation type="vanished">DESKEUSKARA</translation>
    </message>
    <message>
        <source>ABREVEUSK</source>
        <translation type="vanished">LABUREUSK</translation>
    </message>
</context>
<context>
    <name>tv::app::LevelsPanel</name>
    <message>
        <source>NIVELES DE ESTUDIOS</source>
        <translation>IKASKETA MAILAK</translation>
    </message>
    <message>
        <source>Escriba las Abreviaturas (hasta 5 caracteres) en Castellano y / o Euskera, de los NIVELES de Estudio que se imparten en el Centro. </source>
        <translation>Idatzi ikastetxean ematen diren ikasketa MAILEN laburdurak (gehienez 5 karaktere), gaztelaniaz eta / edo euskaraz. </translation>
    </message>
    <message>
        <source>ATENCIÓN - Las Abreviaturas deben ser distintas, y no repetirse. </source>
        <translation>ADI - Laburdurek desberdinak izan behar dute, errepikatu gabe. </translation>
    </message>
    <message>
        <source>Volver a Datos Centro</source>
        <translation>Itzuli ikastetxearen datuetara</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::PlantillaModel</name>
    <message>
        <source>HORA</source>
        <translation type="vanished">ORDUA</translation>
    </message>
    <message>
        <source>HORA INICIO CLASE</source>
        <translation type="vanished">ESKOLA HASIERA ORDUA</translation>
    </message>
    <message>
        <source>HORA FINAL CLASE</source>
        <translation type="vanished">ESKOLA AMAIERA ORDUA</translation>
    </message>
</context>
<context>
    <name>tv::app::RecordNavigator</name>
    <message>
        <source>Primer registro</source>
        <translation>Lehen erregistroa</translation>
    </message>
    <message>
        <source>Retroceder 10 registros</source>
        <translation>Atzera 10 erregistro</translation>
    </message>
    <message>
        <source>Registro anterior</source>
        <translation>Aurreko erregistroa</translation>
    </message>
    <message>
        <source>Registro siguiente</source>
        <translation>Hurrengo erregistroa</translation>
    </message>
    <message>
        <source>Avanzar 10 registros</source>
        <translation>Aurrera 10 erregistro</translation>
    </message>
    <message>
        <source>Último registro</source>
        <translation>Azken erregistroa</translation>
    </message>
    <message>
        <source>Modificar registro</source>
        <translation>Aldatu erregistroa</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Gorde aldaketak</translation>
    </message>
    <message>
        <source>Cancelar cambios</source>
        <translation>Baztertu aldaketak</translation>
    </message>
    <message>
        <source>Refrescar datos</source>
        <translation>Freskatu datuak</translation>
    </message>
</context>
<context>
    <name>tv::app::TAjustaDAE</name>
    <message>
        <source>CODIFICACIÓN Datos DAE</source>
        <translation>DAE datuen KODETZEA</translation>
    </message>
    <message>
        <source>AJUSTES Y CODIFICACION DE DATOS EXPORTACIÓN PARA D.A.E.</source>
        <translation>D.A.E.-RAKO ESPORTAZIO DATUEN DOIKUNTZA ETA KODETZEA</translation>
    </message>
    <message>
        <source>Deberán CODIFICAR los Datos del DAE necesarios, si no tienen contenido. El Tipo Documento y el DNI de los PROFESORES. Y si fuese necesario, la ACTIVIDAD en los Registros de TIPO 2, y el Núm.Alumnos en los Registros de TIPO 3.</source>
        <translation>Beharrezko DAE datuak KODETU behar dira, edukirik ez badute: IRAKASLEEN agiri mota eta NANa. Eta beharrezkoa bada, 2. MOTAKO erregistroetako JARDUERA, eta 3. MOTAKO erregistroetako ikasle kopurua.</translation>
    </message>
    <message>
        <source>Datos del Centro:</source>
        <translation>Ikastetxearen datuak:</translation>
    </message>
    <message>
        <source>Cód.Centro</source>
        <translation>Ikastetxe kod.</translation>
    </message>
    <message>
        <source>Año Académico</source>
        <translation>Ikasturtea</translation>
    </message>
    <message>
        <source>Versión</source>
        <translation>Bertsioa</translation>
    </message>
    <message>
        <source>PROFESORES</source>
        <translation>IRAKASLEAK</translation>
    </message>
    <message>
        <source>REGISTROS de TIPO 2 - Asignaturas del Profesor.</source>
        <translation>2. MOTAKO ERREGISTROAK - Irakaslearen irakasgaiak.</translation>
    </message>
    <message>
        <source>Si la TAREA  NO es &quot;Lectiva&quot;,  ACTIV. debe tener contenido. </source>
        <translation>ZEREGINA &quot;Lektiboa&quot; EZ bada,  JARD. bete behar da. </translation>
    </message>
    <message>
        <source>REGISTROS de TIPO 3 - Alumnos del Grupo.</source>
        <translation>3. MOTAKO ERREGISTROAK - Taldeko ikasleak.</translation>
    </message>
    <message>
        <source>El PLAN se rellenará automáticamente, después de seleccionar el NIVEL.</source>
        <translation>PLANA automatikoki beteko da, MAILA hautatu ondoren.</translation>
    </message>
    <message>
        <source>&amp;Terminar</source>
        <translation>&amp;Amaitu</translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation>&amp;Egiaztatu</translation>
    </message>
    <message>
        <source>Comprueba fCUADROS.txt antes de enviarlo: errores que DAE no puede aceptar y avisos de probables equivocaciones</source>
        <translation>fCUADROS.txt egiaztatzen du bidali aurretik: DAEk onartu ezin dituen akatsak eta litekeen okerren abisuak</translation>
    </message>
    <message>
        <source>La comprobación ha encontrado 1 error que DAE no puede aceptar (vea la lista).</source>
        <translation>Egiaztapenak DAEk onartu ezin duen akats 1 aurkitu du (ikusi zerrenda).</translation>
    </message>
    <message>
        <source>La comprobación ha encontrado %1 errores que DAE no puede aceptar (vea la lista).</source>
        <translation>Egiaztapenak DAEk onartu ezin dituen %1 akats aurkitu ditu (ikusi zerrenda).</translation>
    </message>
    <message>
        <source>¿Desea escribir fCUADROS.txt de todos modos?</source>
        <translation>fCUADROS.txt idatzi nahi duzu hala ere?</translation>
    </message>
</context>
<context>
    <name>tv::app::TControlPlantilla</name>
    <message>
        <source>Control de Plantilla Horaria</source>
        <translation>Ordutegi txantiloiaren kontrola</translation>
    </message>
    <message>
        <source>COMPROBACIÓN DE LA PLANTILLA HORARIA DEL CENTRO</source>
        <translation>IKASTETXEKO ORDUTEGI TXANTILOIAREN EGIAZTAPENA</translation>
    </message>
    <message>
        <source>PLANTILLA HORARIA DEL CENTRO</source>
        <translation>IKASTETXEKO ORDUTEGI TXANTILOIA</translation>
    </message>
    <message>
        <source>Modifique, en caso necesario, las Horas de Inicio y Final de Clase, en la presente rejilla. Deben ser iguales que la Plantilla Horaria de su Centro.</source>
        <translation>Beharrezkoa bada, aldatu eskolen hasiera eta amaiera orduak sareta honetan. Zure ikastetxeko ordutegi txantiloiaren berdinak izan behar dute.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>tv::app::TMForm</name>
    <message>
        <source>Exportar e importar datos entre Tablorix y DAE</source>
        <translation>Datuak Tablorix eta DAEren artean esportatu eta inportatu</translation>
    </message>
    <message>
        <source>No existe la carpeta</source>
        <translation>Karpeta ez da existitzen</translation>
    </message>
</context>
<context>
    <name>tv::app::TableGrid</name>
    <message>
        <source>¿Borrar el registro?</source>
        <translation>Erregistroa ezabatu?</translation>
    </message>
</context>
<context>
    <name>tv::app::TeacherWeekModel</name>
    <message>
        <source>Sesión %1</source>
        <translation>%1. saioa</translation>
    </message>
    <message>
        <source>Lunes</source>
        <translation>Astelehena</translation>
    </message>
    <message>
        <source>Martes</source>
        <translation>Asteartea</translation>
    </message>
    <message>
        <source>Miércoles</source>
        <translation>Asteazkena</translation>
    </message>
    <message>
        <source>Jueves</source>
        <translation>Osteguna</translation>
    </message>
    <message>
        <source>Viernes</source>
        <translation>Ostirala</translation>
    </message>
    <message>
        <source>Sábado</source>
        <translation>Larunbata</translation>
    </message>
    <message>
        <source>Domingo</source>
        <translation>Igandea</translation>
    </message>
    <message>
        <source>Día %1</source>
        <translation>%1. eguna</translation>
    </message>
</context>
<context>
    <name>tv::app::TeachersModel</name>
    <message>
        <source>Profesor</source>
        <translation type="vanished">Irakaslea</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation type="vanished">Izena</translation>
    </message>
    <message>
        <source>Departamento</source>
        <translation type="vanished">Mintegia</translation>
    </message>
    <message>
        <source>TipoDOC</source>
        <translation type="vanished">AgiriMota</translation>
    </message>
    <message>
        <source>DOCUMENTO D.N.I.</source>
        <translation type="vanished">N.A.N. AGIRIA</translation>
    </message>
</context>
<context>
    <name>tv::app::TemplatePanel</name>
    <message>
        <source>Seleccione la Plantilla Horaria a Integrar en TabloRix</source>
        <translation>Hautatu TabloRixen txertatu beharreko ordutegi txantiloia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>RECOGIENDO DATOS PARA TABLORIX -  ESPERE UN MOMENTO </source>
        <translation>TABLORIXERAKO DATUAK BILTZEN -  ITXARON PIXKA BAT </translation>
    </message>
</context>
<context>
    <name>tv::app::TemplatesModel</name>
    <message>
        <source>CODIGO</source>
        <translation type="vanished">KODEA</translation>
    </message>
    <message>
        <source>PLANTILLA</source>
        <translation type="vanished">TXANTILOIA</translation>
    </message>
</context>
</TS>
