<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
    <context>
        <name>About</name>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>App: %1
Version: %2
Release date: %3
Developed by: %4
Contact: %5</source>
            <translation>Aplicación: %1
Versión: %2
Fecha de publicación: %3
Desarrollado por: %4
Contacto: %5</translation>
        </message>
    </context>
    <context>
        <name>BatteryMethodBox</name>
        <message>
            <source>Battery method</source>
            <translation>Método de batería</translation>
        </message>
        <message>
            <source>Apply nearest battery</source>
            <translation>Aplicar la batería más cercana</translation>
        </message>
        <message>
            <source>D = 1.75: the alarm current is above C/20.</source>
            <translation>D = 1,75: la corriente de alarma supera C/20.</translation>
        </message>
        <message>
            <source>D = 1: the alarm current is not above C/20.</source>
            <translation>D = 1: la corriente de alarma no supera C/20.</translation>
        </message>
        <message>
            <source>Required capacity: %1</source>
            <translation>Capacidad requerida: %1</translation>
        </message>
    </context>
    <context>
        <name>BatterySizing</name>
        <message>
            <source>The battery degradation setting does not apply: the factor 1.25 of BS 5839-1 is its allowance for ageing.</source>
            <translation>El ajuste de degradación de la batería no se aplica: el factor 1,25 de BS 5839-1 es su margen por envejecimiento.</translation>
        </message>
        <message>
            <source>The battery degradation setting does not apply: the safety factor of NFPA 72 is its allowance for ageing.</source>
            <translation>El ajuste de degradación de la batería no se aplica: el factor de seguridad de NFPA 72 es su margen por envejecimiento.</translation>
        </message>
        <message>
            <source>NFPA 72 requires 24 h of standby; the selected idle time is %1.</source>
            <translation>NFPA 72 exige 24 h en reposo; el tiempo de reposo seleccionado es %1.</translation>
        </message>
        <message>
            <source>NFPA 72 requires 5 min of alarm (15 min for emergency voice/alarm communication); the selected alarm time is %1.</source>
            <translation>NFPA 72 exige 5 min de alarma (15 min para comunicación de voz/alarma de emergencia); el tiempo de alarma seleccionado es %1.</translation>
        </message>
        <message>
            <source>EN 54-14 practice expects 72 h of standby; a shorter time is accepted only in the cases it names, such as 30 h where a standby generator backs the mains or the site is staffed at all times. The selected idle time is %1.</source>
            <translation>La práctica EN 54-14 espera 72 h en reposo; un tiempo menor solo se acepta en los casos que indica, como 30 h cuando un grupo electrógeno respalda la red o el lugar tiene personal en todo momento. El tiempo de reposo seleccionado es %1.</translation>
        </message>
        <message>
            <source>EN 54-14 practice expects 30 min of alarm; the selected alarm time is %1.</source>
            <translation>La práctica EN 54-14 espera 30 min de alarma; el tiempo de alarma seleccionado es %1.</translation>
        </message>
        <message>
            <source>BS 5839-1 (Annex E)</source>
            <translation>BS 5839-1 (anexo E)</translation>
        </message>
        <message>
            <source>NFPA 72, 2019 and earlier</source>
            <translation>NFPA 72, 2019 y anteriores</translation>
        </message>
        <message>
            <source>NFPA 72, 2022</source>
            <translation>NFPA 72, 2022</translation>
        </message>
        <message>
            <source>EN 54-14 practice</source>
            <translation>Práctica EN 54-14</translation>
        </message>
        <message>
            <source>Maker's method</source>
            <translation>Método del fabricante</translation>
        </message>
        <message>
            <source>BS 5839-1:2017, Annex E (standby battery capacity)</source>
            <translation>BS 5839-1:2017, anexo E (capacidad de la batería de reserva)</translation>
        </message>
        <message>
            <source>NFPA 72, 2010 to 2019 editions, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 20 % safety margin</source>
            <translation>NFPA 72, ediciones 2010 a 2019, 10.6.7 (fuente de alimentación secundaria): 24 h en reposo, luego 5 min de alarma (15 min para evacuación por voz), margen de seguridad del 20 %</translation>
        </message>
        <message>
            <source>NFPA 72, 2022 edition, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 25 % safety margin</source>
            <translation>NFPA 72, edición 2022, 10.6.7 (fuente de alimentación secundaria): 24 h en reposo, luego 5 min de alarma (15 min para evacuación por voz), margen de seguridad del 25 %</translation>
        </message>
        <message>
            <source>CEN/TS 54-14 (EN 54-14 practice), standby power supply: 72 h of standby, then 30 min of alarm</source>
            <translation>CEN/TS 54-14 (práctica EN 54-14), alimentación de reserva: 72 h en reposo, luego 30 min de alarma</translation>
        </message>
        <message>
            <source>The panel maker's battery formula</source>
            <translation>La fórmula de batería del fabricante de la central</translation>
        </message>
        <message>
            <source>No battery in the catalogue, alone or with the additional batteries the design allows, meets the required capacity.</source>
            <translation>Ninguna batería del catálogo, sola o con las baterías adicionales que permite el diseño, alcanza la capacidad requerida.</translation>
        </message>
        <message>
            <source>Smallest selection that meets it: %1 (%2 Ah).</source>
            <translation>Selección más pequeña que la alcanza: %1 (%2 Ah).</translation>
        </message>
    </context>
    <context>
        <name>DetailedViewWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>Devices in loop</source>
            <translation>Equipos en el lazo</translation>
        </message>
        <message>
            <source>Device name</source>
            <translation>Nombre del equipo</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Cantidad</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Quitar</translation>
        </message>
        <message>
            <source>Device details</source>
            <translation>Detalles del equipo</translation>
        </message>
        <message>
            <source>Device idle current</source>
            <translation>Corriente en reposo del equipo</translation>
        </message>
        <message>
            <source>Device alarm current</source>
            <translation>Corriente en alarma del equipo</translation>
        </message>
        <message>
            <source>Total idle current in
loop from device</source>
            <translation>Corriente total en reposo
del equipo en el lazo</translation>
        </message>
        <message>
            <source>Total alarm current in
loop from device</source>
            <translation>Corriente total en alarma
del equipo en el lazo</translation>
        </message>
        <message>
            <source>Total current considering all devices in alarm state, except sounders.
Sounders consider "Max sounder active percentage" value from the "Advanced settings" section ("Panel" tab).
Please note this value may be higher than the final one shown in the "Loop status" section due to loop optimizations.</source>
            <translation>Corriente total con todos los equipos en estado de alarma, salvo las sirenas.
Para las sirenas se aplica el valor "Máx. sirenas activas" de la sección "Ajustes avanzados" (pestaña "Central").
Tenga en cuenta que este valor puede ser mayor que el que se muestra finalmente en la sección "Estado del lazo", debido a las optimizaciones del lazo.</translation>
        </message>
        <message>
            <source>No description available for this device.</source>
            <translation>No hay descripción disponible para este equipo.</translation>
        </message>
    </context>
    <context>
        <name>DeviceDescriptions</name>
        <message>
            <source>TXC 101</source>
            <translation>Central analógica compacta de detección de incendios con un lazo de hasta 128 direcciones. Para instalaciones pequeñas como comercios, consultas y oficinas pequeñas.</translation>
        </message>
        <message>
            <source>TXS 202</source>
            <translation>Central analógica de detección de incendios de 2 lazos de 250 direcciones, ampliable a 4 lazos con una tarjeta VRAL-2 y a una caja de expansión TXE. Para edificios de tamaño medio.</translation>
        </message>
        <message>
            <source>TXP 408</source>
            <translation>Central analógica de detección de incendios de 2 lazos de 250 direcciones, ampliable a 8 lazos con tarjetas VRAL-2 y hasta dos cajas de expansión. Refuerzo de corriente de lazo para cargas elevadas de sirenas.</translation>
        </message>
        <message>
            <source>TXP 816</source>
            <translation>Central analógica de detección de incendios de gran capacidad, con 4 lazos de 250 direcciones, ampliable a 16 lazos y hasta cuatro cajas de expansión. Para grandes edificios y complejos.</translation>
        </message>
        <message>
            <source>TXM 204 Marine</source>
            <translation>Central analógica de detección de incendios para buques e instalaciones marinas, con 2 lazos de 200 direcciones ampliables a 4. Envolvente resistente a vibraciones y humedad.</translation>
        </message>
        <message>
            <source>TXE 2</source>
            <translation>Caja de expansión para centrales TXP, con fuente de alimentación propia y 2 lazos ampliables a 4. Añade lazos en otra zona del edificio bajo la central principal.</translation>
        </message>
        <message>
            <source>TXE 4</source>
            <translation>Caja de expansión para centrales TXS 202 y TXP 816, con fuente de alimentación propia y 2 lazos ampliables a 8. Refuerzo de corriente de lazo para cargas elevadas de sirenas.</translation>
        </message>
        <message>
            <source>TVB 12-7</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 7,2 Ah para alimentación de reserva. Se instala por parejas para 24 V en centrales y fuentes de alimentación pequeñas.</translation>
        </message>
        <message>
            <source>TVB 12-12</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 12 Ah para alimentación de reserva. Se instala por parejas para 24 V en centrales y fuentes de alimentación.</translation>
        </message>
        <message>
            <source>TVB 12-17</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 17 Ah para alimentación de reserva. Se instala por parejas para 24 V en centrales, cajas de expansión y fuentes de alimentación.</translation>
        </message>
        <message>
            <source>TVB 12-24</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 24 Ah para alimentación de reserva. Se instala por parejas para 24 V cuando se necesita mayor autonomía.</translation>
        </message>
        <message>
            <source>TVB 12-26</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 26 Ah para alimentación de reserva. Se instala por parejas para 24 V en centrales grandes y cajas de baterías externas.</translation>
        </message>
        <message>
            <source>TVB 12-38</source>
            <translation>Batería de plomo-ácido sellada (VRLA) de 12 V y 38 Ah para alimentación de reserva. Se instala por parejas para 24 V en las centrales más grandes o en una caja de baterías externa.</translation>
        </message>
        <message>
            <source>KSP900 EN</source>
            <translation>Fuente de alimentación externa de 24 V según EN 54-4, con tres salidas y espacio para baterías de hasta 26 Ah. Se conecta a la central mediante la tarjeta ORN-PSLINK; solo para red eléctrica europea.</translation>
        </message>
        <message>
            <source>KSP600</source>
            <translation>Fuente de alimentación externa de 24 V según EN 54-4, con una salida y espacio para baterías de hasta 17 Ah. Se conecta a la central mediante la tarjeta ORN-PSLINK.</translation>
        </message>
        <message>
            <source>BQR3105-E</source>
            <translation>Fuente de alimentación externa pequeña de 24 V para baterías de hasta 7,2 Ah. Suministra menos corriente que la fuente interna de las centrales, por lo que no es adecuada para este sistema.</translation>
        </message>
        <message>
            <source>EBX-26</source>
            <translation>Caja de baterías externa para una pareja de baterías de 12 V de hasta 26 Ah, para las baterías que no caben en la central o en la fuente de alimentación.</translation>
        </message>
        <message>
            <source>EBX-38</source>
            <translation>Caja de baterías externa para una pareja de baterías de 12 V de hasta 38 Ah, para tiempos de autonomía largos en sistemas grandes.</translation>
        </message>
        <message>
            <source>OD-210</source>
            <translation>Detector óptico de humos analógico (EN 54-7). Detecta el humo visible de los fuegos de combustión lenta en oficinas, pasillos, habitaciones de hotel y vías de evacuación.</translation>
        </message>
        <message>
            <source>OD-200</source>
            <translation>Detector óptico de humos analógico de la generación anterior (EN 54-7), para ampliaciones y sustituciones en instalaciones existentes.</translation>
        </message>
        <message>
            <source>HD-220</source>
            <translation>Detector térmico analógico (EN 54-5) con modos de temperatura fija y termovelocimétrico. Para cocinas, garajes y zonas con polvo o humos donde un detector de humos daría falsas alarmas.</translation>
        </message>
        <message>
            <source>MD-230</source>
            <translation>Detector multisensor analógico que combina detección óptica de humos y térmica (EN 54-7, EN 54-5). Respuesta rápida ante una amplia variedad de fuegos, con menos falsas alarmas.</translation>
        </message>
        <message>
            <source>CO-240</source>
            <translation>Detector de incendios de monóxido de carbono analógico (EN 54-26). Detecta pronto los fuegos de combustión lenta en dormitorios, habitaciones de hotel y zonas residenciales.</translation>
        </message>
        <message>
            <source>BD-250</source>
            <translation>Detector lineal de humos por reflexión analógico (EN 54-12), alimentado desde el lazo. Protege grandes espacios diáfanos como almacenes, atrios y naves de hasta 100 m.</translation>
        </message>
        <message>
            <source>BD-260</source>
            <translation>Detector lineal de humos motorizado analógico (EN 54-12) con alineación automática, alimentado desde una fuente externa de 24 V. Para techos altos y grandes espacios diáfanos.</translation>
        </message>
        <message>
            <source>CP-300</source>
            <translation>Pulsador manual de alarma analógico (EN 54-11) con elemento rearmable. Se instala en los recorridos de evacuación y junto a las salidas para que cualquier persona pueda dar la alarma.</translation>
        </message>
        <message>
            <source>CP-310 IP67</source>
            <translation>Pulsador manual de alarma analógico estanco (EN 54-11, IP67) para exteriores, aparcamientos y lugares húmedos o con polvo.</translation>
        </message>
        <message>
            <source>ZM-401</source>
            <translation>Módulo de zona analógico para una zona de detectores y pulsadores convencionales. Alimentado desde una fuente externa de 24 V.</translation>
        </message>
        <message>
            <source>ZM-404</source>
            <translation>Módulo de zona analógico para cuatro zonas de detectores y pulsadores convencionales. Alimentado desde una fuente externa de 24 V.</translation>
        </message>
        <message>
            <source>IM-411</source>
            <translation>Módulo de una entrada analógico que supervisa un contacto libre de tensión, como un detector de flujo de rociadores o el contacto de una puerta cortafuegos.</translation>
        </message>
        <message>
            <source>IM-418</source>
            <translation>Módulo de ocho entradas analógico que supervisa ocho contactos libres de tensión de alarmas técnicas u otros sistemas.</translation>
        </message>
        <message>
            <source>IOM-421</source>
            <translation>Módulo de entrada/salida analógico con una entrada supervisada y una salida de relé, para maniobrar y confirmar compuertas, puertas o paradas de instalaciones.</translation>
        </message>
        <message>
            <source>IOM-424</source>
            <translation>Módulo analógico de cuatro entradas supervisadas y cuatro salidas de relé, para varias maniobras desde un mismo punto del lazo.</translation>
        </message>
        <message>
            <source>RM-431</source>
            <translation>Módulo de relé analógico con una salida para 230 V CA, para maniobrar cargas de red como la llamada de ascensores, la ventilación o los retenedores de puertas.</translation>
        </message>
        <message>
            <source>RM-434</source>
            <translation>Módulo de relé analógico con cuatro salidas para 230 V CA, para maniobrar varias cargas de red desde un mismo punto del lazo.</translation>
        </message>
        <message>
            <source>SM-441</source>
            <translation>Módulo de salida supervisada de 24 V analógico para una línea de sirenas o flashes convencionales, alimentado desde una fuente externa de 24 V.</translation>
        </message>
        <message>
            <source>SM-442</source>
            <translation>Módulo analógico con dos salidas supervisadas de 24 V para líneas de sirenas o flashes convencionales, alimentado desde una fuente externa de 24 V.</translation>
        </message>
        <message>
            <source>OM-451</source>
            <translation>Módulo de salida analógico con un relé conmutado libre de tensión, para dar señales a otros sistemas.</translation>
        </message>
        <message>
            <source>OM-458</source>
            <translation>Módulo de salida analógico con ocho relés libres de tensión, para dar señales a varios sistemas desde un mismo punto del lazo.</translation>
        </message>
        <message>
            <source>SD-500 (loop)</source>
            <translation>Sirena analógica alimentada desde el lazo (EN 54-3) con tonos y volumen seleccionables. De montaje en pared, para la alarma general en oficinas y zonas públicas.</translation>
        </message>
        <message>
            <source>SBS-505 (loop)</source>
            <translation>Base con sirena analógica alimentada desde el lazo (EN 54-3), que se monta bajo un detector y da el tono de alarma en el mismo punto en que está instalado.</translation>
        </message>
        <message>
            <source>SB-510 (loop)</source>
            <translation>Sirena con flash analógica alimentada desde el lazo (EN 54-3, EN 54-23) para zonas que necesitan alarma acústica y óptica.</translation>
        </message>
        <message>
            <source>VAD-520 (loop)</source>
            <translation>Dispositivo de alarma visual analógico alimentado desde el lazo (EN 54-23) para zonas ruidosas y para personas con discapacidad auditiva.</translation>
        </message>
        <message>
            <source>SD-530 XL (loop)</source>
            <translation>Sirena analógica de alta potencia alimentada desde el lazo (EN 54-3) para espacios grandes o ruidosos como salas de máquinas, aparcamientos y almacenes.</translation>
        </message>
        <message>
            <source>SD-400 (loop)</source>
            <translation>Sirena analógica alimentada desde el lazo de la generación anterior (EN 54-3), para ampliaciones y sustituciones en instalaciones existentes.</translation>
        </message>
        <message>
            <source>SD-550</source>
            <translation>Sirena analógica (EN 54-3) alimentada desde una fuente externa de 24 V, de modo que su corriente en alarma no carga el lazo.</translation>
        </message>
        <message>
            <source>SB-560</source>
            <translation>Sirena con flash analógica (EN 54-3, EN 54-23) alimentada desde una fuente externa de 24 V, para grandes necesidades de alarma acústica y óptica sin cargar el lazo.</translation>
        </message>
        <message>
            <source>CI-601</source>
            <translation>Interfaz analógico de un canal para conectar al lazo equipos de otros fabricantes, como una central de extinción.</translation>
        </message>
        <message>
            <source>CI-602</source>
            <translation>Interfaz analógico de dos canales para conectar al lazo equipos de otros fabricantes, alimentado desde una fuente externa de 24 V.</translation>
        </message>
        <message>
            <source>PL-610</source>
            <translation>Piloto indicador remoto conectado a la salida de un detector, que señaliza su alarma fuera de un recinto cerrado o de un falso techo. No ocupa dirección en el lazo.</translation>
        </message>
        <message>
            <source>PL-615</source>
            <translation>Piloto indicador remoto analógico que la central puede encender desde cualquier detector o zona.</translation>
        </message>
        <message>
            <source>ISO-700</source>
            <translation>Aislador de cortocircuito (EN 54-17). Se instala entre tramos del lazo para que un cortocircuito deje fuera de servicio solo ese tramo. No ocupa dirección en el lazo.</translation>
        </message>
        <message>
            <source>VRAL-2</source>
            <translation>Tarjeta de lazo que añade dos lazos a la central o a la caja de expansión.</translation>
        </message>
        <message>
            <source>ORN-PSLINK</source>
            <translation>Tarjeta de enlace que conecta y supervisa hasta dos fuentes de alimentación externas con sus baterías.</translation>
        </message>
        <message>
            <source>ZEP-NET</source>
            <translation>Tarjeta de red que enlaza varias centrales en un único sistema en red. Solo se admite una tarjeta ZEP por central.</translation>
        </message>
        <message>
            <source>ZEP-IP</source>
            <translation>Tarjeta Ethernet para la supervisión y el mantenimiento remotos de la central a través de una red IP. Solo se admite una tarjeta ZEP por central.</translation>
        </message>
        <message>
            <source>RLY-8</source>
            <translation>Tarjeta de relés con ocho salidas programables libres de tensión dentro de la central.</translation>
        </message>
        <message>
            <source>PRN-40</source>
            <translation>Impresora térmica integrada de 40 columnas que imprime los eventos y los informes en la central.</translation>
        </message>
    </context>
    <context>
        <name>DistributionFactor</name>
        <message>
            <source>Distribution Factor</source>
            <translation>Factor de distribución</translation>
        </message>
        <message>
            <source>Topology:</source>
            <translation>Topología:</translation>
        </message>
        <message>
            <source>Class A: the loop is closed, so it has output and return.</source>
            <translation>Clase A: el lazo está cerrado, por lo que tiene ida y retorno.</translation>
        </message>
        <message>
            <source>Class B (degraded mode): the loop is open at one end.</source>
            <translation>Clase B (modo degradado): el lazo está abierto por un extremo.</translation>
        </message>
        <message>
            <source>The images are intended to explain the concept of distribution factor. No installation is ideal, but this concept helps you choose a factor that, using engineering criteria, is as close as possible to the real installation.</source>
            <translation>Las imágenes explican el concepto de factor de distribución. Ninguna instalación es ideal, pero este concepto ayuda a elegir, con criterio técnico, el factor que más se aproxime a la instalación real.</translation>
        </message>
        <message>
            <source>Devices with the highest consumption in the loop, usually sounders, should be considered as the relevant devices. This is because they have more weight in the load distribution along the full cable distance.</source>
            <translation>Se deben considerar como equipos determinantes los de mayor consumo del lazo, normalmente las sirenas, ya que son los que más pesan en el reparto de la carga a lo largo de todo el cable.</translation>
        </message>
        <message>
            <source>Distribution percentage:
0% - worst case where all devices are on one side of the installation for Class B, or all devices are at the center of the loop for Class A.
50% - intermediate case between having all devices distributed and having them in the worst case.
100% - ideal case where all devices are distributed uniformly.</source>
            <translation>Porcentaje de distribución:
0% - caso más desfavorable: en Clase B, todos los equipos en un extremo de la instalación; en Clase A, todos los equipos en el centro del lazo.
50% - caso intermedio entre tener todos los equipos repartidos y tenerlos en el caso más desfavorable.
100% - caso ideal: todos los equipos repartidos de forma uniforme.</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Observaciones:</translation>
        </message>
        <message>
            <source>:/resources/icons/distribution_factor.png</source>
            <extracomment>Resource path of the illustration: a translation names the picture with its labels in that language.</extracomment>
            <translation>:/resources/icons/distribution_factor_es.png</translation>
        </message>
    </context>
    <context>
        <name>ExpansionBoxWidget</name>
        <message>
            <source>Expansion Box Configuration</source>
            <translation>Configuración de la caja de expansión</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Caja de expansión</translation>
        </message>
    </context>
    <context>
        <name>Exporter</name>
        <message>
            <source>%1 (%2 loops)</source>
            <translation>%1 (%2 lazos)</translation>
        </message>
        <message>
            <source>%1 (%2-%3 loops)</source>
            <translation>%1 (%2-%3 lazos)</translation>
        </message>
        <message>
            <source>Version Compatibility Warning</source>
            <translation>Aviso de compatibilidad de versión</translation>
        </message>
        <message>
            <source>The VXA XML file version (%1) is not supported by this application.
Expected version: %2

The import process may not work correctly.</source>
            <translation>La versión del archivo XML de VXA (%1) no es compatible con esta aplicación.
Versión esperada: %2

Es posible que la importación no funcione correctamente.</translation>
        </message>
        <message>
            <source>Select XML Panel</source>
            <translation>Seleccionar central del XML</translation>
        </message>
        <message>
            <source>Select a panel from the XML file:</source>
            <translation>Seleccione una central del archivo XML:</translation>
        </message>
        <message>
            <source>Select App Panel</source>
            <translation>Seleccionar central de la aplicación</translation>
        </message>
        <message>
            <source>Select a target panel in the application:</source>
            <translation>Seleccione la central de destino en la aplicación:</translation>
        </message>
        <message>
            <source>Loop Count Warning</source>
            <translation>Aviso de número de lazos</translation>
        </message>
        <message>
            <source>The XML panel has %1 loops but the selected app panel only supports up to %2 loop(s).
%3 loop(s) will be ignored.</source>
            <translation>La central del XML tiene %1 lazos, pero la central seleccionada en la aplicación solo admite hasta %2 lazo(s).
Se ignorarán %3 lazo(s).</translation>
        </message>
        <message>
            <source>SYSTEM FAULTS DETECTED</source>
            <translation>AVERÍAS DEL SISTEMA DETECTADAS</translation>
        </message>
        <message>
            <source>SYSTEM NOTES &amp; RECOMMENDATIONS</source>
            <translation>OBSERVACIONES Y RECOMENDACIONES DEL SISTEMA</translation>
        </message>
        <message>
            <source>LOOP FAULTS DETECTED</source>
            <translation>AVERÍAS DEL LAZO DETECTADAS</translation>
        </message>
        <message>
            <source>LOOP NOTES &amp; RECOMMENDATIONS</source>
            <translation>OBSERVACIONES Y RECOMENDACIONES DEL LAZO</translation>
        </message>
        <message>
            <source>Internal Battery:</source>
            <translation>Batería interna:</translation>
        </message>
        <message>
            <source>Battery Degradation:</source>
            <translation>Degradación de la batería:</translation>
        </message>
        <message>
            <source>Maximum Sounders Active:</source>
            <translation>Máximo de sirenas activas:</translation>
        </message>
        <message>
            <source>Idle Time:</source>
            <translation>Tiempo en reposo:</translation>
        </message>
        <message>
            <source>Alarm Time:</source>
            <translation>Tiempo en alarma:</translation>
        </message>
        <message>
            <source>Auxiliary Cards</source>
            <translation>Tarjetas auxiliares</translation>
        </message>
        <message>
            <source>Card:</source>
            <translation>Tarjeta:</translation>
        </message>
        <message>
            <source>External Power Sources</source>
            <translation>Fuentes de alimentación externas</translation>
        </message>
        <message>
            <source>External Power Source 1:</source>
            <translation>Fuente de alimentación externa 1:</translation>
        </message>
        <message>
            <source>Additional Battery 1:</source>
            <translation>Batería adicional 1:</translation>
        </message>
        <message>
            <source>External Battery Box 1:</source>
            <translation>Caja de baterías externa 1:</translation>
        </message>
        <message>
            <source>External Power Source 2:</source>
            <translation>Fuente de alimentación externa 2:</translation>
        </message>
        <message>
            <source>Additional Battery 2:</source>
            <translation>Batería adicional 2:</translation>
        </message>
        <message>
            <source>External Battery Box 2:</source>
            <translation>Caja de baterías externa 2:</translation>
        </message>
        <message>
            <source>Cable Type:</source>
            <translation>Tipo de cable:</translation>
        </message>
        <message>
            <source>Topology:</source>
            <translation>Topología:</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Clase A</translation>
        </message>
        <message>
            <source>TOPOLOGY WARNING</source>
            <translation>AVISO DE TOPOLOGÍA</translation>
        </message>
        <message>
            <source>The current loop configuration may experience operational issues if a cable cut occurs. The loop parameters exceed the limits that would allow proper Degraded mode operation as backup. Consider reducing device count, cable length, or using higher cable sections to improve fault tolerance.</source>
            <translation>La configuración actual del lazo puede presentar problemas de funcionamiento si se produce un corte del cable. Los parámetros del lazo superan los límites que permitirían funcionar correctamente en modo degradado como respaldo. Considere reducir el número de equipos o la longitud del cable, o utilizar una sección de cable mayor para mejorar la tolerancia a averías.</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Modo degradado</translation>
        </message>
        <message>
            <source>TOPOLOGY RECOMMENDATION</source>
            <translation>RECOMENDACIÓN DE TOPOLOGÍA</translation>
        </message>
        <message>
            <source>The loop is configured for Degraded mode topology. Degraded mode installation should only be used for testing purposes. For production installations, configure the loop in Class A topology to ensure proper fire safety compliance and system reliability.</source>
            <translation>El lazo está configurado con topología en modo degradado. La instalación en modo degradado solo debe utilizarse para pruebas. En instalaciones definitivas, configure el lazo en topología Clase A para garantizar el cumplimiento de la normativa de protección contra incendios y la fiabilidad del sistema.</translation>
        </message>
        <message>
            <source>Distribution Factor:</source>
            <translation>Factor de distribución:</translation>
        </message>
        <message>
            <source>Loop Length:</source>
            <translation>Longitud del lazo:</translation>
        </message>
        <message>
            <source>Distance to First Device:</source>
            <translation>Distancia al primer equipo:</translation>
        </message>
        <message>
            <source>Distance to Last Device:</source>
            <translation>Distancia al último equipo:</translation>
        </message>
        <message>
            <source>Devices in Loop</source>
            <translation>Equipos en el lazo</translation>
        </message>
        <message>
            <source>No devices configured</source>
            <translation>No hay equipos configurados</translation>
        </message>
        <message>
            <source>units</source>
            <translation>uds.</translation>
        </message>
        <message>
            <source>Auxiliary Card - Panel expansion</source>
            <translation>Tarjeta auxiliar - Ampliación de la central</translation>
        </message>
        <message>
            <source>Auxiliary Card - Expansion Box %1 expansion</source>
            <translation>Tarjeta auxiliar - Ampliación de la caja de expansión %1</translation>
        </message>
        <message>
            <source>External Power Supply - Additional power source</source>
            <translation>Fuente de alimentación externa - Alimentación adicional</translation>
        </message>
        <message>
            <source>External Power Supply - Expansion Box %1 additional power source</source>
            <translation>Fuente de alimentación externa - Alimentación adicional de la caja de expansión %1</translation>
        </message>
        <message>
            <source>Internal Battery - Standby power (%1 Ah)</source>
            <translation>Batería interna - Alimentación de reserva (%1 Ah)</translation>
        </message>
        <message>
            <source>Internal Battery - Expansion Box %1 standby power (%2 Ah)</source>
            <translation>Batería interna - Alimentación de reserva de la caja de expansión %1 (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery - Extended standby power (%1 Ah)</source>
            <translation>Batería externa - Reserva ampliada (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery - Expansion Box %1 extended standby power (%2 Ah)</source>
            <translation>Batería externa - Reserva ampliada de la caja de expansión %1 (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Extended standby power (%1 Ah)</source>
            <translation>Caja de baterías externa - Reserva ampliada (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Expansion Box %1 extended standby power (%2 Ah)</source>
            <translation>Caja de baterías externa - Reserva ampliada de la caja de expansión %1 (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - For additional battery support (%1 Ah)</source>
            <translation>Caja de baterías externa - Para alojar la batería adicional (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Expansion Box %1 battery support (%2 Ah)</source>
            <translation>Caja de baterías externa - Baterías de la caja de expansión %1 (%2 Ah)</translation>
        </message>
        <message>
            <source>No description available for this device.</source>
            <translation>No hay descripción disponible para este equipo.</translation>
        </message>
        <message>
            <source>Equipment Summary List</source>
            <translation>Resumen de equipos</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>Imagen</translation>
        </message>
        <message>
            <source>Item</source>
            <translation>Artículo</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Cantidad</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Descripción</translation>
        </message>
        <message>
            <source>PANEL</source>
            <translation>CENTRAL</translation>
        </message>
        <message>
            <source>Fire Alarm Control Panel - Main control unit</source>
            <translation>Central de detección de incendios - Unidad de control principal</translation>
        </message>
        <message>
            <source>AUXILIARY CARDS</source>
            <translation>TARJETAS AUXILIARES</translation>
        </message>
        <message>
            <source>EXTERNAL POWER SOURCES</source>
            <translation>FUENTES DE ALIMENTACIÓN EXTERNAS</translation>
        </message>
        <message>
            <source>BATTERIES</source>
            <translation>BATERÍAS</translation>
        </message>
        <message>
            <source>EXTERNAL BATTERY BOXES</source>
            <translation>CAJAS DE BATERÍAS EXTERNAS</translation>
        </message>
        <message>
            <source>EXPANSION BOXES</source>
            <translation>CAJAS DE EXPANSIÓN</translation>
        </message>
        <message>
            <source>Expansion Box %1 - Additional control unit</source>
            <translation>Caja de expansión %1 - Unidad de control adicional</translation>
        </message>
        <message>
            <source>LOOP DEVICES</source>
            <translation>EQUIPOS DE LAZO</translation>
        </message>
        <message>
            <source>CABLES</source>
            <translation>CABLES</translation>
        </message>
        <message>
            <source>Loop Cable - For Loop %1 wiring</source>
            <translation>Cable de lazo - Para el cableado del lazo %1</translation>
        </message>
        <message>
            <source>Loop Cable - For Expansion Box %1 Loop %2 wiring</source>
            <translation>Cable de lazo - Para el cableado del lazo %2 de la caja de expansión %1</translation>
        </message>
        <message>
            <source>Kalvix Report</source>
            <translation>Informe de Kalvix</translation>
        </message>
        <message>
            <source>Fire Alarm System Configuration &amp; Analysis</source>
            <translation>Configuración y análisis del sistema de detección de incendios</translation>
        </message>
        <message>
            <source>Facility:</source>
            <translation>Instalación:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Dirección:</translation>
        </message>
        <message>
            <source>Installer:</source>
            <translation>Instalador:</translation>
        </message>
        <message>
            <source>Generated on:</source>
            <translation>Generado el:</translation>
        </message>
        <message>
            <source>Software:</source>
            <translation>Software:</translation>
        </message>
        <message>
            <source>Company:</source>
            <translation>Empresa:</translation>
        </message>
        <message>
            <source>Website:</source>
            <translation>Sitio web:</translation>
        </message>
        <message>
            <source>General System Analysis</source>
            <translation>Análisis general del sistema</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Lazo</translation>
        </message>
        <message>
            <source>Analysis</source>
            <translation>Análisis</translation>
        </message>
        <message>
            <source>Panel Configuration</source>
            <translation>Configuración de la central</translation>
        </message>
        <message>
            <source>General Settings</source>
            <translation>Ajustes generales</translation>
        </message>
        <message>
            <source>Panel:</source>
            <translation>Central:</translation>
        </message>
        <message>
            <source>Configuration</source>
            <translation>Configuración</translation>
        </message>
        <message>
            <source>Expansion Box Configuration</source>
            <translation>Configuración de la caja de expansión</translation>
        </message>
        <message>
            <source>Expansion Box:</source>
            <translation>Caja de expansión:</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Caja de expansión</translation>
        </message>
        <message>
            <source>System Faults &amp; Notes Analysis</source>
            <translation>Análisis de averías y observaciones del sistema</translation>
        </message>
        <message>
            <source>Report Information</source>
            <translation>Datos del informe</translation>
        </message>
        <message>
            <source>Facility name</source>
            <translation>Nombre de la instalación</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Installer company</source>
            <translation>Empresa instaladora</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>AVERÍA</translation>
        </message>
        <message>
            <source>Battery Calculation</source>
            <translation>Cálculo de baterías</translation>
        </message>
        <message>
            <source>Total idle current (Iq)</source>
            <translation>Corriente total en reposo (Iq)</translation>
        </message>
        <message>
            <source>Total alarm current (Ia)</source>
            <translation>Corriente total en alarma (Ia)</translation>
        </message>
        <message>
            <source>Idle time (H)</source>
            <translation>Tiempo en reposo (H)</translation>
        </message>
        <message>
            <source>Alarm time (M)</source>
            <translation>Tiempo de alarma (M)</translation>
        </message>
        <message>
            <source>Battery degradation (D)</source>
            <translation>Degradación de la batería (D)</translation>
        </message>
        <message>
            <source>Required capacity</source>
            <translation>Capacidad necesaria</translation>
        </message>
        <message>
            <source>C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)</source>
            <translation>C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)</translation>
        </message>
        <message>
            <source>Selected batteries</source>
            <translation>Baterías seleccionadas</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguna</translation>
        </message>
        <message>
            <source>Margin</source>
            <translation>Margen</translation>
        </message>
        <message>
            <source>Result</source>
            <translation>Resultado</translation>
        </message>
        <message>
            <source>Power Load</source>
            <translation>Consumo de la central</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Corriente en reposo</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Corriente en alarma</translation>
        </message>
        <message>
            <source>Loops (each × 55/36)</source>
            <translation>Lazos (cada uno × 55/36)</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Tarjetas auxiliares</translation>
        </message>
        <message>
            <source>Outputs (24 V, sounder 1, sounder 2)</source>
            <translation>Salidas (24 V, sirena 1, sirena 2)</translation>
        </message>
        <message>
            <source>Panel's own consumption</source>
            <translation>Consumo propio de la central</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Maximum allowed by %1</source>
            <translation>Máximo admitido por %1</translation>
        </message>
        <message>
            <source>(no loops)</source>
            <translation>(sin lazos)</translation>
        </message>
        <message>
            <source>Loops</source>
            <translation>Lazos</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Direcciones</translation>
        </message>
        <message>
            <source>used / max.</source>
            <translation>usadas / máx.</translation>
        </message>
        <message>
            <source>max. (A)</source>
            <translation>máx. (A)</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Caída de tensión</translation>
        </message>
        <message>
            <source>max. (V)</source>
            <translation>máx. (V)</translation>
        </message>
        <message>
            <source>Tightest margin</source>
            <translation>Margen más ajustado</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topología</translation>
        </message>
        <message>
            <source>degraded mode</source>
            <translation>modo degradado</translation>
        </message>
        <message>
            <source>exceeded</source>
            <translation>superado</translation>
        </message>
        <message>
            <source>Figures are those the program shows on screen, rounded as shown (currents and voltages to 7 decimals, capacities to 2) before a later step uses them. A margin is (limit - value) / limit; a value equal to its limit is within it.</source>
            <translation>Las cifras son las que el programa muestra en pantalla, redondeadas como se muestran (corrientes y tensiones a 7 decimales, capacidades a 2) antes de que un paso posterior las utilice. Un margen es (límite - valor) / límite; un valor igual a su límite está dentro de él.</translation>
        </message>
        <message>
            <source>Loop currents: the idle current is the sum of the devices' idle currents. In alarm, the sixteen units with the largest alarm currents count with their alarm current and every other unit with its idle current; sounders and beam detectors are not part of these sixteen. Of each sounder type, the share set as maximum sounders active (rounded up) counts with its alarm current, the rest with their idle current; every beam detector counts with its alarm current. A loop that uses at least one address adds a base current of 0.026 A to both currents.</source>
            <translation>Corrientes del lazo: la corriente en reposo es la suma de las corrientes en reposo de los equipos. En alarma, las dieciséis unidades con mayor corriente de alarma cuentan con su corriente de alarma y el resto de unidades con su corriente en reposo; las sirenas y los detectores de haz no forman parte de estas dieciséis. De cada tipo de sirena, la proporción fijada como máximo de sirenas activas (redondeada hacia arriba) cuenta con su corriente de alarma y el resto con su corriente en reposo; todo detector de haz cuenta con su corriente de alarma. Un lazo que usa al menos una dirección añade una corriente base de 0,026 A a ambas corrientes.</translation>
        </message>
        <message>
            <source>Voltage drop: the alarm current times the loop resistance. The resistance counts both conductors of copper cable (0.0172 ohm mm2/m) of the chosen cross-section and 0.1 ohm per detector that adds loop resistance; the section between the first and the last device and the detectors are weighted by the distribution factor (%1 at 0 % to %2 at 100 %), and the whole by the topology factor (Class A %3, degraded mode %4). In degraded mode only the longer of the two leads counts. The maximum voltage drop is 6.9 V, or 7.9 V on a panel with overboost when a Class A loop drops at least 1.0 V or a degraded-mode loop draws more than 0.1 A. The maximum current is the maximum voltage drop divided by the loop resistance, but no more than the panel's loop current limit.</source>
            <translation>Caída de tensión: la corriente en alarma por la resistencia del lazo. La resistencia cuenta los dos conductores del cable de cobre (0,0172 ohm mm2/m) de la sección elegida y 0,1 ohm por cada detector que añade resistencia al lazo; el tramo entre el primer y el último equipo y los detectores se ponderan con el factor de distribución (%1 al 0 % a %2 al 100 %), y el conjunto con el factor de topología (Clase A %3, modo degradado %4). En modo degradado solo cuenta el más largo de los dos tramos de acometida. La caída de tensión máxima es 6,9 V, o 7,9 V en una central con sobrealimentación cuando un lazo de Clase A cae al menos 1,0 V o un lazo en modo degradado consume más de 0,1 A. La corriente máxima es la caída de tensión máxima dividida por la resistencia del lazo, sin superar el límite de corriente de lazo de la central.</translation>
        </message>
        <message>
            <source>A loop is FAULT when its addresses, its voltage drop or its alarm current exceed their maximum. The degraded-mode check computes a Class A loop again as if a cable cut left it in degraded mode; when it fails, the report warns, but the loop is not FAULT.</source>
            <translation>Un lazo está en AVERÍA cuando sus direcciones, su caída de tensión o su corriente en alarma superan su máximo. La comprobación de modo degradado calcula de nuevo un lazo de Clase A como si un corte de cable lo dejara en modo degradado; si no la supera, el informe lo advierte, pero el lazo no está en AVERÍA.</translation>
        </message>
        <message>
            <source>Panel currents: each loop's idle and alarm current is multiplied by 55/36 at the panel, then the auxiliary cards, the output currents and the panel's own consumption are added. The power load is FAULT when the total alarm current exceeds the model's maximum current or the panel has no loops.</source>
            <translation>Corrientes de la central: la corriente en reposo y en alarma de cada lazo se multiplica por 55/36 en la central y después se suman las tarjetas auxiliares, las corrientes de las salidas y el consumo propio de la central. El consumo está en AVERÍA cuando la corriente total en alarma supera la corriente máxima del modelo o la central no tiene lazos.</translation>
        </message>
        <message>
            <source>Battery: the minimum capacity covers the idle time at the total idle current and the alarm time at the total alarm current, divided by (1 - degradation) for the capacity the batteries lose with age. The battery is FAULT when no battery is selected or the selected batteries hold less than that. Cable losses between the panel and its batteries, temperature and charging current are not computed.</source>
            <translation>Batería: la capacidad mínima cubre el tiempo en reposo con la corriente total en reposo y el tiempo de alarma con la corriente total en alarma, dividida por (1 - degradación) por la capacidad que las baterías pierden con el tiempo. La batería está en AVERÍA cuando no hay ninguna batería seleccionada o las baterías seleccionadas tienen menos capacidad. No se calculan las pérdidas del cableado entre la central y sus baterías, la temperatura ni la corriente de carga.</translation>
        </message>
        <message>
            <source>Method and Assumptions</source>
            <translation>Método e hipótesis</translation>
        </message>
        <message>
            <source>Calculation Sheet</source>
            <translation>Memoria de cálculo</translation>
        </message>
        <message>
            <source>Main Panel: %1</source>
            <translation>Central principal: %1</translation>
        </message>
        <message>
            <source>Expansion Box %1: %2</source>
            <translation>Caja de expansión %1: %2</translation>
        </message>
        <message>
            <source>Revision %1</source>
            <translation>Revisión %1</translation>
        </message>
        <message>
            <source>Project reference:</source>
            <translation>Referencia del proyecto:</translation>
        </message>
        <message>
            <source>Revision:</source>
            <translation>Revisión:</translation>
        </message>
        <message>
            <source>Prepared by:</source>
            <translation>Elaborado por:</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Referencia del proyecto</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisión</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Elaborado por</translation>
        </message>
        <message>
            <source>De-rating factor (D)</source>
            <translation>Factor de reducción (D)</translation>
        </message>
        <message>
            <source>1.75: the alarm current I2 is above C/20</source>
            <translation>1,75: la corriente de alarma I2 supera C/20</translation>
        </message>
        <message>
            <source>1: the alarm current I2 is not above C/20</source>
            <translation>1: la corriente de alarma I2 no supera C/20</translation>
        </message>
        <message>
            <source>Safety factor (SF)</source>
            <translation>Factor de seguridad (SF)</translation>
        </message>
        <message>
            <source>Degradation factor</source>
            <translation>Factor de degradación</translation>
        </message>
        <message>
            <source>Battery method</source>
            <translation>Método de batería</translation>
        </message>
        <message>
            <source>Edition and clause</source>
            <translation>Edición y apartado</translation>
        </message>
        <message>
            <source>Notes</source>
            <translation>Notas</translation>
        </message>
        <message>
            <source>Battery methods: each panel and expansion box is sized by the method chosen for it. The maker's method is the formula above. BS 5839-1 (Annex E of the 2017 edition): C = 1.25 × (T1 × I1 + D × T2 × I2), where 1.25 allows for ageing and D is 1.75 when the alarm current exceeds C/20 (the rate the capacity is stated at), else 1; the degradation setting does not apply. NFPA 72 (10.6.7, secondary power supply): 24 h of standby and 5 min of alarm (15 min for voice evacuation), the sum multiplied by a safety factor of 1.20 (editions 2010 to 2019) or 1.25 (2022 edition). EN 54-14 practice (CEN/TS 54-14): the maker's formula for 72 h of standby and 30 min of alarm, shorter standby only in the cases it names. Times other than a method expects are noted, not refused.</source>
            <translation>Métodos de batería: cada central y cada caja de expansión se dimensiona con el método elegido para ella. El método del fabricante es la fórmula anterior. BS 5839-1 (anexo E de la edición 2017): C = 1,25 × (T1 × I1 + D × T2 × I2), donde 1,25 cubre el envejecimiento y D es 1,75 cuando la corriente de alarma supera C/20 (el régimen al que se indica la capacidad), si no 1; el ajuste de degradación no se aplica. NFPA 72 (10.6.7, fuente de alimentación secundaria): 24 h en reposo y 5 min de alarma (15 min para evacuación por voz), la suma multiplicada por un factor de seguridad de 1,20 (ediciones 2010 a 2019) o 1,25 (edición 2022). Práctica EN 54-14 (CEN/TS 54-14): la fórmula del fabricante para 72 h en reposo y 30 min de alarma, con un reposo menor solo en los casos que indica. Los tiempos distintos de los que espera un método se señalan, no se rechazan.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Posición (m)</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zona</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ubicación</translation>
        </message>
        <message>
            <source>Drop fed from OUT (V)</source>
            <translation>Caída alimentado desde OUT (V)</translation>
        </message>
        <message>
            <source>Drop intact (V)</source>
            <translation>Caída con lazo intacto (V)</translation>
        </message>
        <message>
            <source>Drop, break at OUT (V)</source>
            <translation>Caída, corte en OUT (V)</translation>
        </message>
        <message>
            <source>Drop, break at IN (V)</source>
            <translation>Caída, corte en IN (V)</translation>
        </message>
        <message>
            <source>Margin (V)</source>
            <translation>Margen (V)</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>Loop Cable - loop wiring</source>
            <translation>Cable de lazo - cableado de lazos</translation>
        </message>
        <message>
            <source>Expansion Box - Additional control unit</source>
            <translation>Caja de expansión - Unidad de control adicional</translation>
        </message>
        <message>
            <source>Main panel</source>
            <translation>Central principal</translation>
        </message>
        <message>
            <source>Box %1</source>
            <translation>Caja %1</translation>
        </message>
        <message>
            <source>Loop Results</source>
            <translation>Resultados del lazo</translation>
        </message>
        <message>
            <source>Expansion Box %1</source>
            <translation>Caja de expansión %1</translation>
        </message>
        <message>
            <source>%1: battery</source>
            <translation>%1: batería</translation>
        </message>
        <message>
            <source>battery</source>
            <translation>batería</translation>
        </message>
        <message>
            <source>%1: power load</source>
            <translation>%1: consumo</translation>
        </message>
        <message>
            <source>power load</source>
            <translation>consumo</translation>
        </message>
        <message>
            <source>%1: Loop %2</source>
            <translation>%1: Lazo %2</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Lazo %1</translation>
        </message>
        <message>
            <source>Loops %1</source>
            <translation>Lazos %1</translation>
        </message>
        <message>
            <source>Overall verdict</source>
            <translation>Resultado global</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>CORRECTO</translation>
        </message>
        <message>
            <source>No faults: every loop and panel is within its limits.</source>
            <translation>Sin averías: todos los lazos y centrales están dentro de sus límites.</translation>
        </message>
        <message>
            <source>1 fault</source>
            <translation>1 avería</translation>
        </message>
        <message>
            <source>%1 faults</source>
            <translation>%1 averías</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Firma</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Prepared</source>
            <translation>Elaborado</translation>
        </message>
        <message>
            <source>Checked</source>
            <translation>Revisado</translation>
        </message>
        <message>
            <source>Approved</source>
            <translation>Aprobado</translation>
        </message>
        <message>
            <source>en_GB</source>
            <extracomment>The locale whose month names the report's dates use.</extracomment>
            <translation>es_ES</translation>
        </message>
        <message>
            <source>d MMMM yyyy</source>
            <extracomment>How the report writes a date (QDate format).</extracomment>
            <translation>d 'de' MMMM 'de' yyyy</translation>
        </message>
        <message>
            <source>Date of issue:</source>
            <translation>Fecha de emisión:</translation>
        </message>
        <message>
            <source>Data pack:</source>
            <translation>Paquete de datos:</translation>
        </message>
        <message>
            <source>Data pack version:</source>
            <translation>Versión del paquete de datos:</translation>
        </message>
        <message>
            <source>Revision History</source>
            <translation>Historial de revisiones</translation>
        </message>
        <message>
            <source>No revisions recorded.</source>
            <translation>No hay revisiones registradas.</translation>
        </message>
        <message>
            <source>By</source>
            <translation>Por</translation>
        </message>
        <message>
            <source>Basis of Design</source>
            <translation>Bases de diseño</translation>
        </message>
        <message>
            <source>EN 54-2 and EN 54-4: each loop is held to its panel's limits (addresses, loop current and a voltage drop of 6.9 V, or 7.9 V with overboost); each panel and expansion box to its model's maximum current, and its batteries to the capacity the idle and alarm times need.</source>
            <translation>EN 54-2 y EN 54-4: cada lazo se comprueba con los límites de su central (direcciones, corriente de lazo y una caída de tensión de 6,9 V, o 7,9 V con sobrealimentación); cada central y caja de expansión con la corriente máxima de su modelo, y sus baterías con la capacidad que exigen los tiempos de reposo y de alarma.</translation>
        </message>
        <message>
            <source>the maker's method</source>
            <translation>el método del fabricante</translation>
        </message>
        <message>
            <source>Battery capacity: %1.</source>
            <translation>Capacidad de baterías: %1.</translation>
        </message>
        <message>
            <source>Loops: the maker's loop method (alarm set of sixteen units, cable and detector resistance weighted by the distribution and topology factors), written out under Method and Assumptions in the calculation sheet.</source>
            <translation>Lazos: el método de cálculo de lazos del fabricante (conjunto de alarma de dieciséis unidades, resistencia del cable y de los detectores ponderada con los factores de distribución y de topología), desarrollado en Método e hipótesis de la memoria de cálculo.</translation>
        </message>
        <message>
            <source>Device-level check: not used (no loop has a device schedule).</source>
            <translation>Comprobación por equipo: no se usa (ningún lazo tiene relación de equipos).</translation>
        </message>
        <message>
            <source>Device-level check along the cable, from each loop's device schedule: %1.</source>
            <translation>Comprobación por equipo a lo largo del cable, según la relación de equipos de cada lazo: %1.</translation>
        </message>
        <message>
            <source>Cable Schedule</source>
            <translation>Relación de cables</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Central</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Tipo de cable</translation>
        </message>
        <message>
            <source>Section (mm²)</source>
            <translation>Sección (mm²)</translation>
        </message>
        <message>
            <source>Length (m)</source>
            <translation>Longitud (m)</translation>
        </message>
        <message>
            <source>Start lead (m)</source>
            <translation>Tramo inicial (m)</translation>
        </message>
        <message>
            <source>End lead (m)</source>
            <translation>Tramo final (m)</translation>
        </message>
        <message>
            <source>Loop resistance (Ω)</source>
            <translation>Resistencia del lazo (Ω)</translation>
        </message>
        <message>
            <source>Loop resistance: both conductors of the cable and the detectors that add resistance, weighted by the distribution and topology factors, as the voltage drop uses it.</source>
            <translation>Resistencia del lazo: los dos conductores del cable y los detectores que añaden resistencia, ponderados con los factores de distribución y de topología, tal como la usa la caída de tensión.</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Limit</source>
            <translation>Límite</translation>
        </message>
        <message>
            <source>Maximum current</source>
            <translation>Corriente máxima</translation>
        </message>
        <message>
            <source>Verdict</source>
            <translation>Resultado</translation>
        </message>
        <message>
            <source>Output Currents</source>
            <translation>Corrientes de las salidas</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Salida</translation>
        </message>
        <message>
            <source>24 V auxiliary output</source>
            <translation>Salida auxiliar de 24 V</translation>
        </message>
        <message>
            <source>Sounder output 1</source>
            <translation>Salida de sirenas 1</translation>
        </message>
        <message>
            <source>Sounder output 2</source>
            <translation>Salida de sirenas 2</translation>
        </message>
        <message numerus="yes">
            <source>%1 takes at most %n loop(s)</source>
            <translation>
                <numerusform>%1 admite como máximo %n lazo</numerusform>
                <numerusform>%1 admite como máximo %n lazos</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>loop cards bring %1 to %n loop(s) at most</source>
            <translation>
                <numerusform>las tarjetas de lazo llevan %1 a %n lazo como máximo</numerusform>
                <numerusform>las tarjetas de lazo llevan %1 a %n lazos como máximo</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Panel "%1" of the file into %2: %3 of %n loop(s) imported.</source>
            <translation>
                <numerusform>Central "%1" del archivo en %2: se importa %3 de %n lazo.</numerusform>
                <numerusform>Central "%1" del archivo en %2: se importan %3 de %n lazos.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n device(s) of the imported loops have no match and are left out.</source>
            <translation>
                <numerusform>%n equipo de los lazos importados no tiene equivalente y se omite.</numerusform>
                <numerusform>%n equipos de los lazos importados no tienen equivalente y se omiten.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Loop %1 of the file (%n device(s))</source>
            <translation>
                <numerusform>Lazo %1 del archivo (%n equipo)</numerusform>
                <numerusform>Lazo %1 del archivo (%n equipos)</numerusform>
            </translation>
        </message>
        <message>
            <source>Not imported</source>
            <translation>No se importa</translation>
        </message>
        <message>
            <source>Left out: %1</source>
            <translation>Omitido: %1</translation>
        </message>
        <message>
            <source>%1 x %2</source>
            <translation>%1 x %2</translation>
        </message>
        <message numerus="yes">
            <source>%n module(s) over several addresses, each counted once (%1 devices of the file)</source>
            <translation>
                <numerusform>%n módulo de varias direcciones, contado una vez (%1 equipos del archivo)</numerusform>
                <numerusform>%n módulos de varias direcciones, cada uno contado una vez (%1 equipos del archivo)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Left out: %n device(s) of type %1, extended type %2: no such device is imported</source>
            <translation>
                <numerusform>Omitido: %n equipo de tipo %1, tipo extendido %2: este equipo no se importa</numerusform>
                <numerusform>Omitidos: %n equipos de tipo %1, tipo extendido %2: este equipo no se importa</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Left out: %n device(s) of %1 / %2: the catalogue has no such device</source>
            <translation>
                <numerusform>Omitido: %n equipo de %1 / %2: el catálogo no tiene este equipo</numerusform>
                <numerusform>Omitidos: %n equipos de %1 / %2: el catálogo no tiene este equipo</numerusform>
            </translation>
        </message>
        <message>
            <source>Empty in the file</source>
            <translation>Vacío en el archivo</translation>
        </message>
        <message>
            <source>Import summary</source>
            <translation>Resumen de la importación</translation>
        </message>
        <message>
            <source>In the file</source>
            <translation>En el archivo</translation>
        </message>
        <message>
            <source>In the design</source>
            <translation>En el diseño</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Importar</translation>
        </message>
        <message>
            <source>%1 (continued)</source>
            <translation>%1 (continuación)</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Elegir...</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Quitar</translation>
        </message>
        <message>
            <source>Comma separated values (*.csv)</source>
            <translation>Valores separados por comas (*.csv)</translation>
        </message>
        <message>
            <source>Compare with</source>
            <translation>Comparar con</translation>
        </message>
        <message>
            <source>Compare with an Earlier Revision</source>
            <translation>Comparar con una revisión anterior</translation>
        </message>
        <message>
            <source>Device Schedule</source>
            <translation>Relación de equipos</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</source>
            <translation>No se ha podido leer el diseño con el que comparar.
Es posible que el archivo no tenga el formato correcto, que esté dañado o que proceda de una versión más reciente de la aplicación.</translation>
        </message>
        <message>
            <source>No earlier revision</source>
            <translation>Ninguna revisión anterior</translation>
        </message>
        <message>
            <source>Voltage Profile</source>
            <translation>Perfil de tensión</translation>
        </message>
    </context>
    <context>
        <name>HelpInfoWindow</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Título</translation>
        </message>
        <message>
            <source>Primary title:</source>
            <translation>Título principal:</translation>
        </message>
        <message>
            <source>Primary text</source>
            <translation>Texto principal</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Observaciones:</translation>
        </message>
        <message>
            <source>Secondary text</source>
            <translation>Texto secundario</translation>
        </message>
        <message>
            <source>image</source>
            <translation>imagen</translation>
        </message>
    </context>
    <context>
        <name>LoopWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>Loop settings</source>
            <translation>Ajustes del lazo</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Tipo de cable</translation>
        </message>
        <message>
            <source>4 mm2 (12 AWG)</source>
            <translation>4 mm² (12 AWG)</translation>
        </message>
        <message>
            <source>2,5 mm2 (14 AWG)</source>
            <translation>2,5 mm² (14 AWG)</translation>
        </message>
        <message>
            <source>1,5 mm2 (16 AWG)</source>
            <translation>1,5 mm² (16 AWG)</translation>
        </message>
        <message>
            <source>1 mm2 (18 AWG)</source>
            <translation>1 mm² (18 AWG)</translation>
        </message>
        <message>
            <source>0,75 mm2 (19 AWG)</source>
            <translation>0,75 mm² (19 AWG)</translation>
        </message>
        <message>
            <source>0,5 mm2 (21 AWG)</source>
            <translation>0,5 mm² (21 AWG)</translation>
        </message>
        <message>
            <source>Topology type</source>
            <translation>Tipo de topología</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Clase A</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Modo degradado</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Factor de distribución</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>0 %</source>
            <translation>0 %</translation>
        </message>
        <message>
            <source>100 %</source>
            <translation>100 %</translation>
        </message>
        <message>
            <source>Total length</source>
            <translation>Longitud total</translation>
        </message>
        <message>
            <source> m</source>
            <translation> m</translation>
        </message>
        <message>
            <source>Distance from start
to first device</source>
            <translation>Distancia del inicio
al primer equipo</translation>
        </message>
        <message>
            <source>Distance from end
to last device</source>
            <translation>Distancia del final
al último equipo</translation>
        </message>
        <message>
            <source>Devices available</source>
            <translation>Equipos disponibles</translation>
        </message>
        <message>
            <source>Detailed view</source>
            <translation>Vista detallada</translation>
        </message>
        <message>
            <source>Duplicate loop</source>
            <translation>Duplicar lazo</translation>
        </message>
        <message>
            <source>Reset loop</source>
            <translation>Restablecer lazo</translation>
        </message>
        <message>
            <source>Loop status</source>
            <translation>Estado del lazo</translation>
        </message>
        <message>
            <source>Total addresses used</source>
            <translation>Direcciones totales usadas</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Caída de tensión</translation>
        </message>
        <message>
            <source>Max voltage drop</source>
            <translation>Caída de tensión máxima</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Corriente en reposo</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Corriente en alarma</translation>
        </message>
        <message>
            <source>Max current</source>
            <translation>Corriente máxima</translation>
        </message>
        <message>
            <source>Total addresses exceed the maximum of </source>
            <translation>El total de direcciones supera el máximo de </translation>
        </message>
        <message>
            <source>Recommendation: Reduce total addresses by removing devices, replacing them with devices that use fewer addresses or by splitting devices across multiple loops.</source>
            <translation>Recomendación: reduzca el total de direcciones quitando equipos, sustituyéndolos por equipos que ocupen menos direcciones o repartiendo los equipos entre varios lazos.</translation>
        </message>
        <message>
            <source>Voltage drop exceeds loop's maximum.</source>
            <translation>La caída de tensión supera el máximo del lazo.</translation>
        </message>
        <message>
            <source>Recommendation: Increase cable section, increase distribution factor, decrease loop length, or redistribute devices to reduce voltage drop.</source>
            <translation>Recomendación: aumente la sección del cable, aumente el factor de distribución, reduzca la longitud del lazo o redistribuya los equipos para reducir la caída de tensión.</translation>
        </message>
        <message>
            <source>Alarm current exceeds loop's maximum.</source>
            <translation>La corriente en alarma supera el máximo del lazo.</translation>
        </message>
        <message>
            <source>Recommendation: Reduce the number of devices or replace devices with lower idle/alarm current to lower total consumption.</source>
            <translation>Recomendación: reduzca el número de equipos o sustitúyalos por equipos de menor corriente en reposo/alarma para reducir el consumo total.</translation>
        </message>
        <message>
            <source>Recommendation: Consider changing these sounders to external PSU connection to reduce loop load: %1.</source>
            <translation>Recomendación: considere alimentar estas sirenas desde una fuente de alimentación externa para reducir la carga del lazo: %1.</translation>
        </message>
        <message>
            <source>Loop setup OK.</source>
            <translation>Configuración del lazo correcta.</translation>
        </message>
        <message>
            <source>Beam detectors should be aligned one by one.</source>
            <translation>Los detectores lineales deben alinearse uno a uno.</translation>
        </message>
        <message>
            <source>
Warning: using more than 20 beam detectors is highly discouraged.</source>
            <translation>
Aviso: se desaconseja totalmente utilizar más de 20 detectores lineales.</translation>
        </message>
        <message>
            <source>The following devices require a 24V external power source:
 - </source>
            <translation>Los siguientes equipos requieren una fuente de alimentación externa de 24V:
 - </translation>
        </message>
        <message>
            <source>
Please note the panel has a port to provide 24V, as long as the max 0.500 A have not been reached</source>
            <translation>
Tenga en cuenta que la central dispone de una salida de 24V, siempre que no se alcance el máximo de 0.500 A</translation>
        </message>
        <message>
            <source>Idle current is below minimum. To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase idle current.</source>
            <translation>La corriente en reposo está por debajo del mínimo. Para asegurar la correcta supervisión de la línea negativa del lazo, instale una resistencia de 1.8 kohm (mínimo 2W) entre los bornes S+ y S- o aumente la corriente en reposo.</translation>
        </message>
        <message>
            <source>No information to note.</source>
            <translation>No hay observaciones.</translation>
        </message>
        <message>
            <source>CRITICAL: Address limit exceeded. Current addresses: %1, Maximum allowed: %2. Reduce the number of devices or use multiple loops.</source>
            <translation>CRÍTICO: se ha superado el límite de direcciones. Direcciones actuales: %1, máximo permitido: %2. Reduzca el número de equipos o utilice varios lazos.</translation>
        </message>
        <message>
            <source>CRITICAL: Voltage drop exceeded. Current drop: %1 V, Maximum allowed: %2 V. Consider using higher cable section, reducing loop length, or redistributing devices.</source>
            <translation>CRÍTICO: se ha superado la caída de tensión. Caída actual: %1 V, máximo permitido: %2 V. Considere utilizar una sección de cable mayor, reducir la longitud del lazo o redistribuir los equipos.</translation>
        </message>
        <message>
            <source>CRITICAL: Current consumption exceeded. Current consumption: %1 A, Maximum allowed: %2 A. Reduce device count or use devices with lower current consumption.</source>
            <translation>CRÍTICO: se ha superado el consumo de corriente. Consumo actual: %1 A, máximo permitido: %2 A. Reduzca el número de equipos o utilice equipos de menor consumo.</translation>
        </message>
        <message>
            <source> Consider changing these sounders to external PSU connection to reduce loop load: %1.</source>
            <translation> Considere alimentar estas sirenas desde una fuente de alimentación externa para reducir la carga del lazo: %1.</translation>
        </message>
        <message>
            <source>INSTALLATION NOTE: Beam detectors must be aligned individually during installation to ensure proper operation.</source>
            <translation>NOTA DE INSTALACIÓN: los detectores lineales deben alinearse uno a uno durante la instalación para garantizar su correcto funcionamiento.</translation>
        </message>
        <message>
            <source> WARNING: Using more than 20 beam detectors (%1 configured) in a single loop is highly discouraged and may cause operational issues.</source>
            <translation> AVISO: se desaconseja totalmente utilizar más de 20 detectores lineales (%1 configurados) en un mismo lazo; puede causar problemas de funcionamiento.</translation>
        </message>
        <message>
            <source>POWER REQUIREMENT: The following devices require external 24V power supply: %1.</source>
            <translation>REQUISITO DE ALIMENTACIÓN: los siguientes equipos requieren alimentación externa de 24V: %1.</translation>
        </message>
        <message>
            <source> The panel provides a 24V output port with maximum capacity of 0.500 A. Ensure total external power consumption does not exceed this limit.</source>
            <translation> La central dispone de una salida de 24V con una capacidad máxima de 0.500 A. Asegúrese de que el consumo externo total no supere este límite.</translation>
        </message>
        <message>
            <source>NOTE: The idle current (%1 A) is below the minimum required (%2 A). To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase the idle current.</source>
            <translation>NOTA: la corriente en reposo (%1 A) está por debajo del mínimo requerido (%2 A). Para asegurar la correcta supervisión de la línea negativa del lazo, instale una resistencia de 1.8 kohm (mínimo 2W) entre los bornes S+ y S- o aumente la corriente en reposo.</translation>
        </message>
        <message>
            <source>Class A if closed loop. Degraded mode if open loop.
Degraded mode is for testing purposes only, installation should always be made with Class A.</source>
            <translation>Clase A si el lazo es cerrado. Modo degradado si el lazo es abierto.
El modo degradado es solo para pruebas; la instalación debe realizarse siempre en Clase A.</translation>
        </message>
        <message>
            <source>How equally spread the devices are.
The higher the value, the more equally spread the devices.
More detailed explanation in the Help &gt; Distribution Factor section.</source>
            <translation>Indica cómo de repartidos están los equipos.
Cuanto mayor es el valor, más uniforme es el reparto.
Encontrará una explicación más detallada en Ayuda &gt; Factor de distribución.</translation>
        </message>
        <message>
            <source>Distance to first device + distance to last device exceeds total loop length.</source>
            <translation>La distancia al primer equipo más la distancia al último equipo supera la longitud total del lazo.</translation>
        </message>
        <message>
            <source>Reset Loop Values</source>
            <translation>Restablecer valores del lazo</translation>
        </message>
        <message>
            <source>Are you sure you want to reset all loop values to default? This will remove all devices from the loop and reset all cable and topology settings.</source>
            <translation>¿Seguro que desea restablecer todos los valores del lazo a los predeterminados? Se quitarán todos los equipos del lazo y se restablecerán los ajustes de cable y topología.</translation>
        </message>
        <message>
            <source>Filter devices (Ctrl+F)</source>
            <translation>Filtrar equipos (Ctrl+F)</translation>
        </message>
        <message>
            <source>Shows the devices whose name, category or description contains every word typed. Esc clears the filter.</source>
            <translation>Muestra los equipos cuyo nombre, categoría o descripción contienen todas las palabras escritas. Esc borra el filtro.</translation>
        </message>
        <message>
            <source>No device matches "%1".</source>
            <translation>Ningún equipo coincide con «%1».</translation>
        </message>
        <message>
            <source>Quantity %1: Enter adds them, Esc cancels.</source>
            <translation>Cantidad %1: Intro los añade, Esc cancela.</translation>
        </message>
        <message>
            <source>The largest voltage drop the loop's devices work with: %1 V, or %2 V while the panel's overboost is on.</source>
            <translation>La mayor caída de tensión con la que funcionan los equipos del lazo: %1 V, o %2 V mientras el refuerzo de la central está activo.</translation>
        </message>
        <message>
            <source>This panel has no overboost.</source>
            <translation>Esta central no tiene refuerzo.</translation>
        </message>
        <message>
            <source>In Class A overboost comes on once the drop reaches %1 V.</source>
            <translation>En clase A el refuerzo se activa cuando la caída llega a %1 V.</translation>
        </message>
        <message>
            <source>In degraded mode overboost comes on once the alarm current is above %1 A.</source>
            <translation>En modo degradado el refuerzo se activa cuando la corriente en alarma supera %1 A.</translation>
        </message>
        <message>
            <source>It is on for this loop.</source>
            <translation>Está activo en este lazo.</translation>
        </message>
        <message>
            <source>It is off for this loop.</source>
            <translation>No está activo en este lazo.</translation>
        </message>
        <message>
            <source>The panel's loop limit, %1 A: without devices the cable sets no limit.</source>
            <translation>El límite de lazo de la central, %1 A: sin equipos el cable no impone límite.</translation>
        </message>
        <message>
            <source>The lower of the current at which the cable reaches the maximum voltage drop (%1 A) and the panel's loop limit (%2 A): %3.</source>
            <translation>El menor entre la corriente con la que el cable alcanza la caída de tensión máxima (%1 A) y el límite de lazo de la central (%2 A): %3.</translation>
        </message>
        <message>
            <source>the cable</source>
            <translation>el cable</translation>
        </message>
        <message>
            <source>the panel</source>
            <translation>la central</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>MainWindow</source>
            <translation>MainWindow</translation>
        </message>
        <message>
            <source>Main panel</source>
            <translation>Central principal</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Central</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Idioma</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>Import VXA XML</source>
            <translation>Importar XML de VXA</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Change language</source>
            <translation>Cambiar idioma</translation>
        </message>
        <message>
            <source>New language</source>
            <translation>Nuevo idioma</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Save as</source>
            <translation>Guardar como</translation>
        </message>
        <message>
            <source>Import VXA310 XML</source>
            <translation>Importar XML de VXA310</translation>
        </message>
        <message>
            <source>Import VXA620 XML</source>
            <translation>Importar XML de VXA620</translation>
        </message>
        <message>
            <source>Generate report</source>
            <translation>Generar informe</translation>
        </message>
        <message>
            <source>Power sources</source>
            <translation>Fuentes de alimentación</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Factor de distribución</translation>
        </message>
        <message>
            <source>User manual</source>
            <translation>Manual de usuario</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>Import data pack</source>
            <translation>Importar paquete de datos</translation>
        </message>
        <message>
            <source>Functionalities disabled until a valid .tarvex data file is loaded.</source>
            <translation>Funciones desactivadas hasta que se cargue un archivo de datos .tarvex válido.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to load data!
The saved data is missing or it has been corrupted or modified.

The application will not work until a new proper data file is loaded.</source>
            <translation>¡No se han podido cargar los datos!
Los datos guardados no existen, están dañados o han sido modificados.

La aplicación no funcionará hasta que se cargue un archivo de datos válido.</translation>
        </message>
        <message>
            <source>Main Panel</source>
            <translation>Central principal</translation>
        </message>
        <message>
            <source>Select Data File</source>
            <translation>Seleccionar archivo de datos</translation>
        </message>
        <message>
            <source>Tarvex Data Files (*.tarvex)</source>
            <translation>Archivos de datos de Tarvex (*.tarvex)</translation>
        </message>
        <message>
            <source>Failed to load new data!
The input file may not have the correct format or it may be corrupted.</source>
            <translation>¡No se han podido cargar los nuevos datos!
Es posible que el archivo no tenga el formato correcto o que esté dañado.</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Operación completada</translation>
        </message>
        <message>
            <source>New data loaded successfully!</source>
            <translation>¡Nuevos datos cargados correctamente!</translation>
        </message>
        <message>
            <source>Internal error happened.
Try again. If the problem persists after restarting the application, contact support.</source>
            <translation>Se ha producido un error interno.
Inténtelo de nuevo. Si el problema persiste después de reiniciar la aplicación, contacte con el servicio técnico.</translation>
        </message>
        <message>
            <source>Export Setup</source>
            <translation>Exportar configuración</translation>
        </message>
        <message>
            <source>Comma separated values (*.csv)</source>
            <translation>Valores separados por comas (*.csv)</translation>
        </message>
        <message>
            <source>Failed to open file for writing.
If overwriting an existing file, make sure it is not open by another process.</source>
            <translation>No se ha podido abrir el archivo para escritura.
Si va a sobrescribir un archivo existente, asegúrese de que no esté abierto en otro proceso.</translation>
        </message>
        <message>
            <source>Setup exported successfully!</source>
            <translation>¡Configuración exportada correctamente!</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>The current setup will be overwritten.
Are you sure you want to continue?</source>
            <translation>Se sobrescribirá la configuración actual.
¿Seguro que desea continuar?</translation>
        </message>
        <message>
            <source>Import Setup</source>
            <translation>Importar configuración</translation>
        </message>
        <message>
            <source>Failed to import setup.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.
</source>
            <translation>No se ha podido importar la configuración.
Es posible que el archivo no tenga el formato correcto, que esté dañado o que proceda de una versión más reciente de la aplicación.
</translation>
        </message>
        <message>
            <source>Setup imported successfully!</source>
            <translation>¡Configuración importada correctamente!</translation>
        </message>
        <message>
            <source>Import from VXA310 XML</source>
            <translation>Importar desde XML de VXA310</translation>
        </message>
        <message>
            <source>Import from VXA620 XML</source>
            <translation>Importar desde XML de VXA620</translation>
        </message>
        <message>
            <source>XML files (*.xml)</source>
            <translation>Archivos XML (*.xml)</translation>
        </message>
        <message>
            <source>VXA310 XML</source>
            <translation>XML de VXA310</translation>
        </message>
        <message>
            <source>VXA620 XML</source>
            <translation>XML de VXA620</translation>
        </message>
        <message>
            <source>Failed to import %1.
The file may not have the correct format, it may be corrupted or may not contain compatible device configuration.</source>
            <translation>No se ha podido importar el %1.
Es posible que el archivo no tenga el formato correcto, que esté dañado o que no contenga una configuración de equipos compatible.</translation>
        </message>
        <message>
            <source>VXA310 XML imported successfully!</source>
            <translation>¡XML de VXA310 importado correctamente!</translation>
        </message>
        <message>
            <source>VXA620 XML imported successfully!</source>
            <translation>¡XML de VXA620 importado correctamente!</translation>
        </message>
        <message>
            <source>Generate Report</source>
            <translation>Generar informe</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Archivos PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Failed to generate report.
If overwriting an existing file, make sure the file is not open by another process.</source>
            <translation>No se ha podido generar el informe.
Si va a sobrescribir un archivo existente, asegúrese de que no esté abierto en otro proceso.</translation>
        </message>
        <message>
            <source>Report generated successfully!</source>
            <translation>¡Informe generado correctamente!</translation>
        </message>
        <message>
            <source>Failed to load language file.
Make sure the file exists and is valid.</source>
            <translation>No se ha podido cargar el archivo de idioma.
Asegúrese de que el archivo existe y es válido.</translation>
        </message>
        <message>
            <source>Select Language File</source>
            <translation>Seleccionar archivo de idioma</translation>
        </message>
        <message>
            <source>Translation files (*.qm)</source>
            <translation>Archivos de traducción (*.qm)</translation>
        </message>
        <message>
            <source>That language file already exists.
Do you want to overwrite it?</source>
            <translation>Ese archivo de idioma ya existe.
¿Desea sobrescribirlo?</translation>
        </message>
        <message>
            <source>Failed to copy the language file.
Make sure the file is valid and not open by another process.</source>
            <translation>No se ha podido copiar el archivo de idioma.
Asegúrese de que el archivo es válido y de que no está abierto en otro proceso.</translation>
        </message>
        <message>
            <source>Language file loaded successfully!
You can now select it from the language combo box.</source>
            <translation>¡Archivo de idioma cargado correctamente!
Ya puede seleccionarlo en el menú de idiomas.</translation>
        </message>
        <message>
            <source>Another data pack installation is running.
Try again when it has finished; nothing was changed.</source>
            <translation>Ya se está instalando otro paquete de datos.
Inténtelo de nuevo cuando haya terminado; no se ha cambiado nada.</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more</source>
            <translation>
                <numerusform>... y %n más</numerusform>
                <numerusform>... y %n más</numerusform>
            </translation>
        </message>
        <message>
            <source>Values adjusted</source>
            <translation>Valores ajustados</translation>
        </message>
        <message>
            <source>The file holds values the editors cannot show as they are. They were adjusted:

%1</source>
            <translation>El archivo contiene valores que los editores no pueden mostrar tal cual. Se han ajustado:

%1</translation>
        </message>
        <message>
            <source>Recent files</source>
            <translation>Archivos recientes</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Edición</translation>
        </message>
        <message>
            <source>New</source>
            <translation>Nuevo</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Deshacer</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Rehacer</translation>
        </message>
        <message>
            <source>Saved %1</source>
            <translation>%1 guardado</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>¿Guardar los cambios en %1?</translation>
        </message>
        <message>
            <source>The unsaved design of an earlier session could not be read back.
It has been set aside as %1.</source>
            <translation>No se pudo leer el diseño sin guardar de una sesión anterior.
Se ha apartado como %1.</translation>
        </message>
        <message>
            <source>Restore the unsaved design from %1?</source>
            <translation>¿Restaurar el diseño sin guardar de las %1?</translation>
        </message>
        <message>
            <source>Restored the unsaved design from %1.</source>
            <translation>Diseño sin guardar de las %1 restaurado.</translation>
        </message>
        <message>
            <source>%1 no longer exists.
It has been removed from the recent files.</source>
            <translation>%1 ya no existe.
Se ha quitado de los archivos recientes.</translation>
        </message>
        <message>
            <source>Opened %1</source>
            <translation>%1 abierto</translation>
        </message>
        <message>
            <source>No recent files</source>
            <translation>No hay archivos recientes</translation>
        </message>
        <message>
            <source>Clear recent files</source>
            <translation>Vaciar archivos recientes</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Sin título</translation>
        </message>
        <message>
            <source>%1[*] - %2</source>
            <translation>%1[*] - %2</translation>
        </message>
        <message>
            <source>battery %1</source>
            <translation>batería %1</translation>
        </message>
        <message>
            <source>cards %1</source>
            <translation>tarjetas %1</translation>
        </message>
        <message>
            <source>external power %1</source>
            <translation>alimentación externa %1</translation>
        </message>
        <message>
            <source>loops %1</source>
            <translation>lazos %1</translation>
        </message>
        <message>
            <source>expansion boxes %1 with their loops</source>
            <translation>cajas de expansión %1 con sus lazos</translation>
        </message>
        <message>
            <source>Panel changed to %1; removed %2. %3 brings them back.</source>
            <translation>Central cambiada a %1; se han quitado: %2. %3 los recupera.</translation>
        </message>
        <message>
            <source>Compare with...</source>
            <translation>Comparar con...</translation>
        </message>
        <message>
            <source>Compare with</source>
            <translation>Comparar con</translation>
        </message>
        <message>
            <source>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</source>
            <translation>No se ha podido leer el diseño con el que comparar.
Es posible que el archivo no tenga el formato correcto, que esté dañado o que proceda de una versión más reciente de la aplicación.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Project...</source>
            <translation>Proyecto...</translation>
        </message>
        <message>
            <source>Workbook (XLSX)...</source>
            <translation>Libro (XLSX)...</translation>
        </message>
        <message>
            <source>Bill of materials (CSV)...</source>
            <translation>Lista de materiales (CSV)...</translation>
        </message>
        <message>
            <source>Device schedule (CSV)...</source>
            <translation>Relación de equipos (CSV)...</translation>
        </message>
        <message>
            <source>Cable schedule (CSV)...</source>
            <translation>Relación de cables (CSV)...</translation>
        </message>
        <message>
            <source>Failed to change the language.
The current setup could not be kept.</source>
            <translation>No se ha podido cambiar el idioma.
No se ha podido conservar la configuración actual.</translation>
        </message>
        <message>
            <source>The data pack could not be installed:
%1
Nothing was changed.</source>
            <translation>No se ha podido instalar el paquete de datos:
%1
No se ha cambiado nada.</translation>
        </message>
        <message>
            <source>The language file %1 could not be loaded; the program runs in English.</source>
            <translation>No se ha podido cargar el archivo de idioma %1; el programa se muestra en inglés.</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Información</translation>
        </message>
        <message>
            <source>Another Kalvix keeps its copy of unsaved work in the usual place; this one keeps its own in %1.</source>
            <translation>Otro Kalvix guarda su copia del trabajo sin guardar en el lugar habitual; este guarda la suya en %1.</translation>
        </message>
        <message>
            <source>Untitled (imported from %1)</source>
            <translation>Sin título (importado de %1)</translation>
        </message>
        <message>
            <source>Show all messages again</source>
            <translation>Volver a mostrar todos los mensajes</translation>
        </message>
        <message>
            <source>Messages silenced with "Do not show this again" will show again.</source>
            <translation>Los mensajes silenciados con "No volver a mostrar" se mostrarán de nuevo.</translation>
        </message>
        <message>
            <source>Welcome</source>
            <translation>Bienvenida</translation>
        </message>
    </context>
    <context>
        <name>ManualWindow</name>
        <message>
            <source>User manual</source>
            <translation>Manual de usuario</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Manual unavailable&lt;/h1&gt;&lt;p&gt;The bundled manual could not be loaded.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Manual no disponible&lt;/h1&gt;&lt;p&gt;No se ha podido cargar el manual incluido.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
    </context>
    <context>
        <name>PanelWidget</name>
        <message>
            <source>Form</source>
            <translation>Formulario</translation>
        </message>
        <message>
            <source>Reset panel</source>
            <translation>Restablecer central</translation>
        </message>
        <message>
            <source>System general</source>
            <translation>General del sistema</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Central</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Batería</translation>
        </message>
        <message>
            <source>Panel outputs</source>
            <translation>Salidas de la central</translation>
        </message>
        <message>
            <source>Idle Current</source>
            <translation>Corriente en reposo</translation>
        </message>
        <message>
            <source>Alarm Current</source>
            <translation>Corriente en alarma</translation>
        </message>
        <message>
            <source>Auxiliary 24 V</source>
            <translation>Auxiliar 24 V</translation>
        </message>
        <message>
            <source>Sounder 1</source>
            <translation>Sirena 1</translation>
        </message>
        <message>
            <source>Sounder 2</source>
            <translation>Sirena 2</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Tarjetas auxiliares</translation>
        </message>
        <message>
            <source>Installed?</source>
            <translation>¿Instalada?</translation>
        </message>
        <message>
            <source>Card's name</source>
            <translation>Nombre de la tarjeta</translation>
        </message>
        <message>
            <source>External power sources</source>
            <translation>Fuentes de alimentación externas</translation>
        </message>
        <message>
            <source>External power source 1</source>
            <translation>Fuente de alimentación externa 1</translation>
        </message>
        <message>
            <source>Additional battery 1</source>
            <translation>Batería adicional 1</translation>
        </message>
        <message>
            <source>External power source 2</source>
            <translation>Fuente de alimentación externa 2</translation>
        </message>
        <message>
            <source>Additional battery 2</source>
            <translation>Batería adicional 2</translation>
        </message>
        <message>
            <source>Expansion boxes</source>
            <translation>Cajas de expansión</translation>
        </message>
        <message>
            <source>Add expansion box</source>
            <translation>Añadir caja de expansión</translation>
        </message>
        <message>
            <source>Advanced settings</source>
            <translation>Ajustes avanzados</translation>
        </message>
        <message>
            <source>Battery degradation</source>
            <translation>Degradación de la batería</translation>
        </message>
        <message>
            <source>Max sounders active</source>
            <translation>Máx. sirenas activas</translation>
        </message>
        <message>
            <source>Battery autonomy</source>
            <translation>Autonomía de baterías</translation>
        </message>
        <message>
            <source>Idle time</source>
            <translation>Tiempo en reposo</translation>
        </message>
        <message>
            <source>Alarm time</source>
            <translation>Tiempo en alarma</translation>
        </message>
        <message>
            <source>Minimum battery required</source>
            <translation>Batería mínima necesaria</translation>
        </message>
        <message>
            <source>0.00 Ah</source>
            <translation>0.00 Ah</translation>
        </message>
        <message>
            <source>Selected total battery</source>
            <translation>Batería total seleccionada</translation>
        </message>
        <message>
            <source>Total system power load:</source>
            <translation>Consumo total del sistema:</translation>
        </message>
        <message>
            <source>Total system
idle current</source>
            <translation>Corriente total del
sistema en reposo</translation>
        </message>
        <message>
            <source>0.0000000 A</source>
            <translation>0.0000000 A</translation>
        </message>
        <message>
            <source>Total system
alarm current</source>
            <translation>Corriente total del
sistema en alarma</translation>
        </message>
        <message>
            <source>Individual loops</source>
            <translation>Lazos individuales</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Lazo</translation>
        </message>
        <message>
            <source>Loop's idle current</source>
            <translation>Corriente del lazo en reposo</translation>
        </message>
        <message>
            <source>Loop's alarm current</source>
            <translation>Corriente del lazo en alarma</translation>
        </message>
        <message>
            <source>The selected external power source 1 (</source>
            <translation>La fuente de alimentación externa 1 seleccionada (</translation>
        </message>
        <message>
            <source>The selected external power source 2 (</source>
            <translation>La fuente de alimentación externa 2 seleccionada (</translation>
        </message>
        <message>
            <source>) does not fit the selected additional battery 1 (</source>
            <translation>) no admite la batería adicional 1 seleccionada (</translation>
        </message>
        <message>
            <source>) does not fit the selected additional battery 2 (</source>
            <translation>) no admite la batería adicional 2 seleccionada (</translation>
        </message>
        <message>
            <source>).</source>
            <translation>).</translation>
        </message>
        <message>
            <source>
Additional battery will have to be kept outside the external power source box.</source>
            <translation>
La batería adicional deberá alojarse fuera de la caja de la fuente de alimentación externa.</translation>
        </message>
        <message>
            <source>
Recommended external battery boxes to fit the battery:
 - </source>
            <translation>
Cajas de baterías externas recomendadas para alojar la batería:
 - </translation>
        </message>
        <message>
            <source>COMPATIBILITY WARNING: External Power Source 1 (%1, %2 Ah capacity) cannot accommodate Additional Battery 1 (%3, %4 Ah capacity).</source>
            <translation>AVISO DE COMPATIBILIDAD: la fuente de alimentación externa 1 (%1, capacidad %2 Ah) no puede alojar la batería adicional 1 (%3, capacidad %4 Ah).</translation>
        </message>
        <message>
            <source>COMPATIBILITY WARNING: External Power Source 2 (%1, %2 Ah capacity) cannot accommodate Additional Battery 2 (%3, %4 Ah capacity).</source>
            <translation>AVISO DE COMPATIBILIDAD: la fuente de alimentación externa 2 (%1, capacidad %2 Ah) no puede alojar la batería adicional 2 (%3, capacidad %4 Ah).</translation>
        </message>
        <message>
            <source>
INSTALLATION NOTE: The additional battery will need to be installed outside the external power source enclosure.</source>
            <translation>
NOTA DE INSTALACIÓN: la batería adicional deberá instalarse fuera de la envolvente de la fuente de alimentación externa.</translation>
        </message>
        <message>
            <source>%1 (%2 Ah)</source>
            <translation>%1 (%2 Ah)</translation>
        </message>
        <message>
            <source>
RECOMMENDATION: Consider using one of the following compatible external battery boxes: %1.</source>
            <translation>
RECOMENDACIÓN: considere utilizar una de las siguientes cajas de baterías externas compatibles: %1.</translation>
        </message>
        <message>
            <source>System needs at least one battery (either internal or external).</source>
            <translation>El sistema necesita al menos una batería (interna o externa).</translation>
        </message>
        <message>
            <source>Total battery of the setup does not reach the wanted autonomy.</source>
            <translation>La batería total de la configuración no alcanza la autonomía deseada.</translation>
        </message>
        <message>
            <source>Recommendation: Install a suitably sized internal or external battery (larger capacity), consider replacing with a newer battery to reduce degradation, add an external power source, reduce the target autonomy times, or reduce overall system current consumption.</source>
            <translation>Recomendación: instale una batería interna o externa de capacidad adecuada (mayor), considere sustituirla por una batería más nueva para reducir la degradación, añada una fuente de alimentación externa, reduzca los tiempos de autonomía exigidos o reduzca el consumo total del sistema.</translation>
        </message>
        <message>
            <source>Battery autonomy OK.</source>
            <translation>Autonomía de baterías correcta.</translation>
        </message>
        <message>
            <source>Please note the current selected idle time does not follow EN 54.</source>
            <translation>Tenga en cuenta que el tiempo en reposo seleccionado no cumple la norma EN 54.</translation>
        </message>
        <message>
            <source>No loops available. Install VRAL cards to add loops to the panel.</source>
            <translation>No hay lazos disponibles. Instale tarjetas VRAL para añadir lazos a la central.</translation>
        </message>
        <message>
            <source>System current is higher than the one supported by the panel.</source>
            <translation>La corriente del sistema es mayor que la que admite la central.</translation>
        </message>
        <message>
            <source>Recommendation: Reduce overall current consumption by removing or replacing devices in loops, removing or replacing auxiliary cards, or lowering panel output currents. Alternatively consider using a panel with a higher current rating.</source>
            <translation>Recomendación: reduzca el consumo total quitando o sustituyendo equipos de los lazos, quitando o sustituyendo tarjetas auxiliares o reduciendo las corrientes de las salidas de la central. Otra opción es utilizar una central de mayor corriente nominal.</translation>
        </message>
        <message>
            <source>System's power load OK.</source>
            <translation>Consumo del sistema correcto.</translation>
        </message>
        <message>
            <source>

INFO: %1 more loop(s) available. You can install %2 more VRAL card(s) to expand the system.</source>
            <translation>

INFORMACIÓN: hay %1 lazo(s) más disponible(s). Puede instalar %2 tarjeta(s) VRAL más para ampliar el sistema.</translation>
        </message>
        <message>
            <source>To use external power sources, install the ORN-PSLINK auxiliary card.</source>
            <translation>Para utilizar fuentes de alimentación externas, instale la tarjeta auxiliar ORN-PSLINK.</translation>
        </message>
        <message>
            <source>No external power sources information to note.</source>
            <translation>No hay observaciones sobre las fuentes de alimentación externas.</translation>
        </message>
        <message>
            <source>CRITICAL: No battery configuration detected. The system requires at least one battery (internal or external) to provide standby power during mains failure.</source>
            <translation>CRÍTICO: no se ha configurado ninguna batería. El sistema necesita al menos una batería (interna o externa) que proporcione alimentación de reserva durante un fallo de red.</translation>
        </message>
        <message>
            <source>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity: %2 Ah. The system will not meet the specified autonomy requirements.</source>
            <translation>AVISO: capacidad de batería insuficiente. Capacidad actual: %1 Ah, capacidad necesaria: %2 Ah. El sistema no cumplirá los requisitos de autonomía especificados.</translation>
        </message>
        <message>
            <source>CRITICAL: Power consumption exceeds panel capacity. System alarm current: %1 A, Panel maximum capacity: %2 A. This configuration may cause system malfunction or damage.</source>
            <translation>CRÍTICO: el consumo supera la capacidad de la central. Corriente del sistema en alarma: %1 A, capacidad máxima de la central: %2 A. Esta configuración puede provocar fallos de funcionamiento o daños en el sistema.</translation>
        </message>
        <message>
            <source>COMPLIANCE NOTE: The selected idle time (%1) does not comply with EN 54 standard requirements. Standard compliant options are: %2.</source>
            <translation>NOTA DE CUMPLIMIENTO: el tiempo en reposo seleccionado (%1) no cumple los requisitos de la norma EN 54. Las opciones conformes a la norma son: %2.</translation>
        </message>
        <message>
            <source>INSTALLATION NOTE: External power sources are not available with the current configuration. To enable external power sources, install the ORN-PSLINK auxiliary card.</source>
            <translation>NOTA DE INSTALACIÓN: las fuentes de alimentación externas no están disponibles con la configuración actual. Para habilitarlas, instale la tarjeta auxiliar ORN-PSLINK.</translation>
        </message>
        <message>
            <source>Percentage of battery capacity no longer available.
The older the battery, the more degraded it becomes and the less actual capacity it has.</source>
            <translation>Porcentaje de la capacidad de la batería que ya no está disponible.
Cuanto más antigua es la batería, más degradada está y menor es su capacidad real.</translation>
        </message>
        <message>
            <source>Percentage of sounders that are estimated to be active at the same time.
Please note that under certain circumstances, such as an evacuation protocol, ALL sounders should be active.</source>
            <translation>Porcentaje de sirenas que se estima estarán activas a la vez.
Tenga en cuenta que, en determinadas circunstancias, como un protocolo de evacuación, TODAS las sirenas deben estar activas.</translation>
        </message>
        <message>
            <source>No internal battery</source>
            <translation>Sin batería interna</translation>
        </message>
        <message>
            <source>No additional battery</source>
            <translation>Sin batería adicional</translation>
        </message>
        <message>
            <source>No external power source</source>
            <translation>Sin fuente de alimentación externa</translation>
        </message>
        <message>
            <source>ZEP card already inserted.
To insert a new one, please remove the old one first.</source>
            <translation>Ya hay una tarjeta ZEP instalada.
Para instalar otra, quite primero la existente.</translation>
        </message>
        <message>
            <source>Loop </source>
            <translation>Lazo </translation>
        </message>
        <message>
            <source>Add expansion box (%1/%2)</source>
            <translation>Añadir caja de expansión (%1/%2)</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Quitar</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>AVERÍA</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>No compatible expansion boxes available for this panel.</source>
            <translation>No hay cajas de expansión compatibles con esta central.</translation>
        </message>
        <message>
            <source>Select Expansion Box</source>
            <translation>Seleccionar caja de expansión</translation>
        </message>
        <message>
            <source>Select an expansion box:</source>
            <translation>Seleccione una caja de expansión:</translation>
        </message>
        <message>
            <source>Value too high!
Limited to 0.5000 A by the fuse.</source>
            <translation>¡Valor demasiado alto!
Limitado a 0.5000 A por el fusible.</translation>
        </message>
        <message>
            <source>Alarm value adjusted to match idle current.</source>
            <translation>Valor en alarma ajustado a la corriente en reposo.</translation>
        </message>
        <message>
            <source>Idle value adjusted to match alarm current.</source>
            <translation>Valor en reposo ajustado a la corriente en alarma.</translation>
        </message>
        <message>
            <source>Are you sure you want to reset all panel values to default? This will restore battery settings, auxiliary cards, and external power source configurations.
Loop and expansion box configurations will remain unchanged and can be reset separately if needed.</source>
            <translation>¿Seguro que desea restablecer todos los valores de la central a los predeterminados? Se restablecerán los ajustes de baterías, las tarjetas auxiliares y la configuración de las fuentes de alimentación externas.
La configuración de los lazos y de las cajas de expansión no cambiará y puede restablecerse por separado si es necesario.</translation>
        </message>
        <message>
            <source>Reset Panel Values</source>
            <translation>Restablecer valores de la central</translation>
        </message>
        <message>
            <source>Install ORN-PSLINK auxiliary card to add external power sources.</source>
            <translation>Instale la tarjeta auxiliar ORN-PSLINK para añadir fuentes de alimentación externas.</translation>
        </message>
        <message>
            <source>Select an external power source to enable this battery.</source>
            <translation>Seleccione una fuente de alimentación externa para habilitar esta batería.</translation>
        </message>
        <message>
            <source>Total battery of the setup does not reach the capacity %1 requires.</source>
            <translation>La batería total de la instalación no alcanza la capacidad que exige %1.</translation>
        </message>
        <message>
            <source>Battery autonomy OK by %1.</source>
            <translation>Autonomía de la batería correcta según %1.</translation>
        </message>
        <message>
            <source>Recommendation: %1</source>
            <translation>Recomendación: %1</translation>
        </message>
        <message>
            <source>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity by %3: %2 Ah. The system will not meet the specified autonomy requirements.</source>
            <translation>ADVERTENCIA: Capacidad de batería insuficiente. Capacidad actual: %1 Ah, capacidad requerida según %3: %2 Ah. El sistema no cumplirá los requisitos de autonomía especificados.</translation>
        </message>
        <message>
            <source>COMPLIANCE NOTE: %1</source>
            <translation>NOTA DE CUMPLIMIENTO: %1</translation>
        </message>
        <message>
            <source>Loop %1 and its devices</source>
            <translation>El lazo %1 y sus equipos</translation>
        </message>
        <message>
            <source>Loops %1 to %2 and their devices</source>
            <translation>Los lazos %1 a %2 y sus equipos</translation>
        </message>
        <message>
            <source>Auxiliary cards: %1</source>
            <translation>Tarjetas auxiliares: %1</translation>
        </message>
        <message>
            <source>External power: %1</source>
            <translation>Alimentación externa: %1</translation>
        </message>
        <message>
            <source>Expansion boxes: %1, with their loops</source>
            <translation>Cajas de expansión: %1, con sus lazos</translation>
        </message>
        <message>
            <source>Changing the panel to %1 removes:

%2

Cancel keeps everything as it is.</source>
            <translation>Cambiar la central a %1 quita:

%2

Cancelar lo deja todo como está.</translation>
        </message>
        <message>
            <source>Change panel</source>
            <translation>Cambiar central</translation>
        </message>
        <message>
            <source>Loop %1 on its own: %2 A idle, %3 A in alarm.
The panel counts a loop's currents multiplied by 55/36: its loop output draws that much more.</source>
            <translation>Lazo %1 por sí solo: %2 A en reposo, %3 A en alarma.
La central cuenta las corrientes de cada lazo multiplicadas por 55/36: su salida de lazo consume eso de más.</translation>
        </message>
        <message>
            <source>This panel model takes no expansion boxes.</source>
            <translation>Este modelo de central no admite cajas de expansión.</translation>
        </message>
        <message>
            <source>This panel model takes at most %1 expansion box(es).</source>
            <translation>Este modelo de central admite como máximo %1 caja(s) de expansión.</translation>
        </message>
    </context>
    <context>
        <name>PowerSources</name>
        <message>
            <source>Power Sources</source>
            <translation>Fuentes de alimentación</translation>
        </message>
        <message>
            <source>External Power Sources</source>
            <translation>Fuentes de alimentación externas</translation>
        </message>
        <message>
            <source>Compatibility list:</source>
            <translation>Lista de compatibilidad:</translation>
        </message>
        <message>
            <source>Above are indicated the batteries that can be used in each power supply and external battery box.</source>
            <translation>Arriba se indican las baterías que pueden utilizarse en cada fuente de alimentación y caja de baterías externa.</translation>
        </message>
        <message>
            <source>The KSP900 EN power supply differences from the others are:
 - It has a total of 3 outputs, whereas the others have only 1 output, so both outputs could be connected to the ORN-PSLINK card.
 - It only works with european mains, and not with the american one as the others do.</source>
            <translation>La fuente de alimentación KSP900 EN se diferencia de las demás en que:
 - Tiene 3 salidas en total, mientras que las demás solo tienen 1, por lo que pueden conectarse ambas salidas a la tarjeta ORN-PSLINK.
 - Solo funciona con la red eléctrica europea, no con la americana como las demás.</translation>
        </message>
        <message>
            <source>The picture shows the common way of connecting 2 power supplies.
For other combinations check the installation manuals of the ORN-PSLINK card.</source>
            <translation>La imagen muestra la forma habitual de conectar 2 fuentes de alimentación.
Para otras combinaciones, consulte los manuales de instalación de la tarjeta ORN-PSLINK.</translation>
        </message>
        <message>
            <source>Even though the BQR3105-E power supply is also in the catalog, it is not appropiate for the system as it delivers less current than the internal power supply of the panel.</source>
            <translation>Aunque la fuente de alimentación BQR3105-E también figura en el catálogo, no es adecuada para el sistema, ya que suministra menos corriente que la fuente de alimentación interna de la central.</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Observaciones:</translation>
        </message>
        <message>
            <source>:/resources/icons/power_sources.png</source>
            <extracomment>Resource path of the illustration: a translation names the picture with its labels in that language.</extracomment>
            <translation>:/resources/icons/power_sources_es.png</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>Look in:</source>
            <translation>Buscar en:</translation>
        </message>
        <message>
            <source>File &amp;name:</source>
            <translation>&amp;Nombre de archivo:</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>Archivos de tipo:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Abrir</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Adelante</translation>
        </message>
        <message>
            <source>Parent Directory</source>
            <translation>Carpeta superior</translation>
        </message>
        <message>
            <source>Create New Folder</source>
            <translation>Crear carpeta nueva</translation>
        </message>
        <message>
            <source>List View</source>
            <translation>Vista de lista</translation>
        </message>
        <message>
            <source>Detail View</source>
            <translation>Vista de detalles</translation>
        </message>
        <message>
            <source>Folder</source>
            <comment>All other platforms</comment>
            <translation>Carpeta</translation>
        </message>
        <message>
            <source>File</source>
            <comment>All other platforms</comment>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>%1 File</source>
            <comment>%1 is a file name suffix, for example txt</comment>
            <translation>Archivo %1</translation>
        </message>
    </context>
    <context>
        <name>QFileSystemModel</name>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>Type</source>
            <comment>All other platforms</comment>
            <translation>Tipo</translation>
        </message>
        <message>
            <source>Date Modified</source>
            <translation>Fecha de modificación</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Equipo</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Sí</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;No</translation>
        </message>
    </context>
    <context>
        <name>SetupFile</name>
        <message>
            <source>%1: %2 %3 shown as %4</source>
            <translation>%1: %2 %3 se muestra como %4</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Lazo %1</translation>
        </message>
        <message>
            <source>%1, loop %2</source>
            <translation>%1, lazo %2</translation>
        </message>
        <message>
            <source>%1: left out</source>
            <translation>%1: omitido</translation>
        </message>
        <message>
            <source>%1 quantity</source>
            <translation>cantidad de %1</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Central</translation>
        </message>
        <message>
            <source>Expansion box %1</source>
            <translation>Caja de expansión %1</translation>
        </message>
    </context>
    <context>
        <name>SplashScreen</name>
        <message>
            <source>Tarvex</source>
            <translation>Tarvex</translation>
        </message>
    </context>
    <context>
        <name>SystemContainerWidget</name>
        <message>
            <source>Panel</source>
            <translation>Central</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Caja de expansión</translation>
        </message>
        <message>
            <source>Loop </source>
            <translation>Lazo </translation>
        </message>
        <message>
            <source>No Target Loops</source>
            <translation>No hay lazos de destino</translation>
        </message>
        <message>
            <source>There are no other existing loops available to copy into.</source>
            <translation>No hay otros lazos disponibles a los que copiar.</translation>
        </message>
        <message>
            <source>Loop Duplicated</source>
            <translation>Lazo duplicado</translation>
        </message>
        <message>
            <source>Loop duplication successful!</source>
            <translation>¡Lazo duplicado correctamente!</translation>
        </message>
        <message>
            <source>Duplicate Loop</source>
            <translation>Duplicar lazo</translation>
        </message>
        <message>
            <source>Select the target loops for Loop %1:</source>
            <translation>Seleccione los lazos de destino del lazo %1:</translation>
        </message>
        <message>
            <source>WARNING: selected loops will be overwritten.</source>
            <translation>AVISO: se sobrescribirán los lazos seleccionados.</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Lazo %1</translation>
        </message>
        <message>
            <source>No Loop Selected</source>
            <translation>Ningún lazo seleccionado</translation>
        </message>
        <message>
            <source>Please select at least one target loop.</source>
            <translation>Seleccione al menos un lazo de destino.</translation>
        </message>
        <message>
            <source>Loop %1 in fault</source>
            <translation>Lazo %1 en avería</translation>
        </message>
    </context>
    <context>
        <name>ComparisonView</name>
        <message>
            <source>No changes since %1.</source>
            <translation>Sin cambios desde %1.</translation>
        </message>
        <message>
            <source>%1 change(s) since %2; %3 verdict(s) moved.</source>
            <translation>%1 cambio(s) desde %2; %3 veredicto(s) cambiado(s).</translation>
        </message>
        <message>
            <source>Activate to show it.</source>
            <translation>Actívelo para mostrarlo.</translation>
        </message>
        <message>
            <source>Compare with %1</source>
            <translation>Comparar con %1</translation>
        </message>
    </context>
    <context>
        <name>DesignComparison</name>
        <message>
            <source>Model</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Internal battery</source>
            <translation>Batería interna</translation>
        </message>
        <message>
            <source>Auxiliary 24V alarm current</source>
            <translation>Corriente en alarma de la salida auxiliar de 24 V</translation>
        </message>
        <message>
            <source>Auxiliary 24V idle current</source>
            <translation>Corriente en reposo de la salida auxiliar de 24 V</translation>
        </message>
        <message>
            <source>Sounder 1 alarm current</source>
            <translation>Corriente en alarma de la sirena 1</translation>
        </message>
        <message>
            <source>Sounder 1 idle current</source>
            <translation>Corriente en reposo de la sirena 1</translation>
        </message>
        <message>
            <source>Sounder 2 alarm current</source>
            <translation>Corriente en alarma de la sirena 2</translation>
        </message>
        <message>
            <source>Sounder 2 idle current</source>
            <translation>Corriente en reposo de la sirena 2</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Tarjetas auxiliares</translation>
        </message>
        <message>
            <source>External power source 1</source>
            <translation>Fuente de alimentación externa 1</translation>
        </message>
        <message>
            <source>Additional battery 1</source>
            <translation>Batería adicional 1</translation>
        </message>
        <message>
            <source>External power source 2</source>
            <translation>Fuente de alimentación externa 2</translation>
        </message>
        <message>
            <source>Additional battery 2</source>
            <translation>Batería adicional 2</translation>
        </message>
        <message>
            <source>Battery degradation</source>
            <translation>Degradación de la batería</translation>
        </message>
        <message>
            <source>Max sounders active</source>
            <translation>Máx. sirenas activas</translation>
        </message>
        <message>
            <source>Idle time</source>
            <translation>Tiempo en reposo</translation>
        </message>
        <message>
            <source>Alarm time</source>
            <translation>Tiempo en alarma</translation>
        </message>
        <message>
            <source>Battery method</source>
            <translation>Método de cálculo de baterías</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Tipo de cable</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topología</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Factor de distribución</translation>
        </message>
        <message>
            <source>Loop length</source>
            <translation>Longitud del lazo</translation>
        </message>
        <message>
            <source>Start distance</source>
            <translation>Distancia inicial</translation>
        </message>
        <message>
            <source>End distance</source>
            <translation>Distancia final</translation>
        </message>
        <message>
            <source>Battery autonomy</source>
            <translation>Autonomía de baterías</translation>
        </message>
        <message>
            <source>Power load</source>
            <translation>Carga de alimentación</translation>
        </message>
        <message>
            <source>Loop current</source>
            <translation>Corriente del lazo</translation>
        </message>
        <message>
            <source>Total idle current</source>
            <translation>Corriente total en reposo</translation>
        </message>
        <message>
            <source>Total alarm current</source>
            <translation>Corriente total en alarma</translation>
        </message>
        <message>
            <source>Minimum battery required</source>
            <translation>Batería mínima necesaria</translation>
        </message>
        <message>
            <source>Selected total battery</source>
            <translation>Batería total seleccionada</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Direcciones</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Corriente en reposo</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Corriente en alarma</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Caída de tensión</translation>
        </message>
        <message>
            <source>Maximum voltage drop</source>
            <translation>Caída de tensión máxima</translation>
        </message>
        <message>
            <source>Maximum current</source>
            <translation>Corriente máxima</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Referencia del proyecto</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisión</translation>
        </message>
        <message>
            <source>Facility</source>
            <translation>Instalación</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Instalador</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Elaborado por</translation>
        </message>
        <message>
            <source>Checked by</source>
            <translation>Revisado por</translation>
        </message>
        <message>
            <source>Date of issue</source>
            <translation>Fecha de emisión</translation>
        </message>
        <message>
            <source>at %1 m, address %2</source>
            <translation>a %1 m, dirección %2</translation>
        </message>
        <message>
            <source>, zone %1</source>
            <translation>, zona %1</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(ninguno)</translation>
        </message>
        <message>
            <source>Project information</source>
            <translation>Información del proyecto</translation>
        </message>
        <message>
            <source>Main panel</source>
            <translation>Central principal</translation>
        </message>
        <message>
            <source>Expansion box %1</source>
            <translation>Caja de expansión %1</translation>
        </message>
        <message>
            <source>%1, loop %2</source>
            <translation>%1, lazo %2</translation>
        </message>
        <message>
            <source>Revision %1</source>
            <translation>Revisión %1</translation>
        </message>
        <message>
            <source>Address count</source>
            <translation>Número de direcciones</translation>
        </message>
        <message>
            <source>%1: %2 -&gt; %3</source>
            <translation>%1: %2 -&gt; %3</translation>
        </message>
        <message>
            <source>Expansion box %1 added</source>
            <translation>Caja de expansión %1 añadida</translation>
        </message>
        <message>
            <source>Expansion box %1 removed</source>
            <translation>Caja de expansión %1 quitada</translation>
        </message>
        <message>
            <source>Loop %1 added (%2 device types)</source>
            <translation>Lazo %1 añadido (%2 tipos de equipo)</translation>
        </message>
        <message>
            <source>Loop %1 removed (%2 device types)</source>
            <translation>Lazo %1 quitado (%2 tipos de equipo)</translation>
        </message>
        <message>
            <source>%1 added, quantity %2</source>
            <translation>%1 añadido, cantidad %2</translation>
        </message>
        <message>
            <source>%1 removed, quantity was %2</source>
            <translation>%1 quitado, la cantidad era %2</translation>
        </message>
        <message>
            <source>%1: quantity %2 -&gt; %3</source>
            <translation>%1: cantidad %2 -&gt; %3</translation>
        </message>
        <message>
            <source>Schedule added (%1 units)</source>
            <translation>Listado de equipos añadido (%1 unidades)</translation>
        </message>
        <message>
            <source>Schedule removed (%1 units)</source>
            <translation>Listado de equipos quitado (%1 unidades)</translation>
        </message>
        <message>
            <source>Unit added: %1 %2</source>
            <translation>Unidad añadida: %1 %2</translation>
        </message>
        <message>
            <source>Unit removed: %1 %2</source>
            <translation>Unidad quitada: %1 %2</translation>
        </message>
        <message>
            <source>moved</source>
            <translation>movida</translation>
        </message>
        <message>
            <source>readdressed</source>
            <translation>redireccionada</translation>
        </message>
        <message>
            <source>zone changed</source>
            <translation>con otra zona</translation>
        </message>
        <message>
            <source>location changed</source>
            <translation>con otra ubicación</translation>
        </message>
        <message>
            <source>Unit %1 %2: %3 -&gt; %4</source>
            <translation>Unidad %1 %2: %3 -&gt; %4</translation>
        </message>
        <message>
            <source> and </source>
            <translation> y </translation>
        </message>
        <message>
            <source>%1 added: %2</source>
            <translation>%1 añadida: %2</translation>
        </message>
        <message>
            <source>%1 removed: %2</source>
            <translation>%1 quitada: %2</translation>
        </message>
        <message>
            <source>Verdicts</source>
            <translation>Veredictos</translation>
        </message>
        <message>
            <source>Changes since revision %1</source>
            <translation>Cambios desde la revisión %1</translation>
        </message>
        <message>
            <source>No changes.</source>
            <translation>Sin cambios.</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Clase A</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Modo degradado</translation>
        </message>
        <message>
            <source> (margin %1 -&gt; %2)</source>
            <translation> (margen %1 -&gt; %2)</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>AVERÍA</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>ExportTables</name>
        <message>
            <source>Main panel</source>
            <translation>Central principal</translation>
        </message>
        <message>
            <source>Expansion Box %1 (%2)</source>
            <translation>Caja de expansión %1 (%2)</translation>
        </message>
        <message>
            <source>Bill of materials</source>
            <translation>Lista de materiales</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Categoría</translation>
        </message>
        <message>
            <source>Item</source>
            <translation>Artículo</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Cantidad</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Descripción</translation>
        </message>
        <message>
            <source>m</source>
            <translation>m</translation>
        </message>
        <message>
            <source>pcs</source>
            <translation>uds.</translation>
        </message>
        <message>
            <source>Device schedule</source>
            <translation>Relación de equipos</translation>
        </message>
        <message>
            <source>System</source>
            <translation>Sistema</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Lazo</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Posición (m)</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Equipo</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zona</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ubicación</translation>
        </message>
        <message>
            <source>Cable schedule</source>
            <translation>Relación de cables</translation>
        </message>
        <message>
            <source>Cable</source>
            <translation>Cable</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topología</translation>
        </message>
        <message>
            <source>Length (m)</source>
            <translation>Longitud (m)</translation>
        </message>
        <message>
            <source>Distance to first device (m)</source>
            <translation>Distancia al primer equipo (m)</translation>
        </message>
        <message>
            <source>Distance to last device (m)</source>
            <translation>Distancia al último equipo (m)</translation>
        </message>
        <message>
            <source>Devices</source>
            <translation>Equipos</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Direcciones</translation>
        </message>
        <message>
            <source>Alarm current (A)</source>
            <translation>Corriente en alarma (A)</translation>
        </message>
        <message>
            <source>Voltage drop (V)</source>
            <translation>Caída de tensión (V)</translation>
        </message>
        <message>
            <source>Maximum voltage drop (V)</source>
            <translation>Caída de tensión máxima (V)</translation>
        </message>
    </context>
    <context>
        <name>FileCommands</name>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>Excel workbooks (*.xlsx)</source>
            <translation>Libros de Excel (*.xlsx)</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to export.
If overwriting an existing file, make sure the file is not open by another process.</source>
            <translation>No se ha podido exportar.
Si está sobrescribiendo un archivo existente, asegúrese de que no esté abierto en otro proceso.</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Operación completada</translation>
        </message>
        <message>
            <source>Exported successfully!</source>
            <translation>¡Exportación completada!</translation>
        </message>
    </context>
    <context>
        <name>ProjectDialog</name>
        <message>
            <source>Project</source>
            <translation>Proyecto</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Referencia del proyecto</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revisión</translation>
        </message>
        <message>
            <source>Facility</source>
            <translation>Instalación</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Instalador</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Elaborado por</translation>
        </message>
        <message>
            <source>Checked by</source>
            <translation>Revisado por</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Hoy</translation>
        </message>
        <message>
            <source>Date of issue</source>
            <translation>Fecha de emisión</translation>
        </message>
        <message>
            <source>Revision history</source>
            <translation>Historial de revisiones</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Descripción</translation>
        </message>
        <message>
            <source>By</source>
            <translation>Por</translation>
        </message>
        <message>
            <source>Add revision</source>
            <translation>Añadir revisión</translation>
        </message>
        <message>
            <source>Remove revision</source>
            <translation>Quitar revisión</translation>
        </message>
    </context>
    <context>
        <name>DesignSession</name>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>%1 is open in another Kalvix (process %2 on %3, since %4).
Changes saved in one would overwrite the other's. Open it anyway?</source>
            <translation>%1 está abierto en otro Kalvix (proceso %2 en %3, desde %4).
Los cambios guardados en uno sobrescribirían los del otro. ¿Desea abrirlo de todos modos?</translation>
        </message>
        <message>
            <source>%1 was changed by someone else since you opened it.
Overwrite it with this design?</source>
            <translation>Otra persona ha cambiado %1 desde que lo abrió.
¿Desea sobrescribirlo con este diseño?</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Sobrescribir</translation>
        </message>
        <message>
            <source>Save As...</source>
            <translation>Guardar como...</translation>
        </message>
    </context>
    <context>
        <name>UnfinishedWrites</name>
        <message>
            <source>Warning</source>
            <translation>Aviso</translation>
        </message>
        <message>
            <source>Saving %1 did not finish, so the file may be incomplete.
Its previous contents were kept. Put them back?</source>
            <translation>No terminó de guardarse %1, así que el archivo puede estar incompleto.
Se conservó su contenido anterior. ¿Desea restaurarlo?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>The previous contents of %1 could not be put back:
%2
They are kept in %3.</source>
            <translation>No se ha podido restaurar el contenido anterior de %1:
%2
Se conserva en %3.</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Información</translation>
        </message>
        <message>
            <source>The previous contents of %1 are kept in %2.</source>
            <translation>El contenido anterior de %1 se conserva en %2.</translation>
        </message>
    </context>
    <context>
        <name>LoopDeviceCheck</name>
        <message>
            <source>%1 (address %2)</source>
            <translation>%1 (dirección %2)</translation>
        </message>
        <message>
            <source>%1 (address %2, %3)</source>
            <translation>%1 (dirección %2, %3)</translation>
        </message>
        <message>
            <source>Voltage at %1 drops %2 V %3; the loop allows %4 V.</source>
            <translation>La tensión en %1 cae %2 V %3; el lazo admite %4 V.</translation>
        </message>
        <message>
            <source>Recommendation: Increase cable section, move the units that draw most nearer the panel terminals, or split the loop.</source>
            <translation>Recomendación: Aumente la sección del cable, acerque a los terminales de la central las unidades que más consumen o divida el lazo.</translation>
        </message>
        <message>
            <source>Address %1 of %2 at %3 m overlaps the addresses of %4 at %5 m.</source>
            <translation>La dirección %1 de %2 a %3 m se solapa con las direcciones de %4 a %5 m.</translation>
        </message>
        <message>
            <source>Recommendation: Renumber the addresses in cable order.</source>
            <translation>Recomendación: Renumere las direcciones en el orden del cable.</translation>
        </message>
        <message>
            <source>Address %1 of %2 at %3 m goes beyond the loop's maximum of %4 addresses.</source>
            <translation>La dirección %1 de %2 a %3 m supera el máximo de %4 direcciones del lazo.</translation>
        </message>
        <message>
            <source>Recommendation: Renumber the addresses in cable order or move devices to another loop.</source>
            <translation>Recomendación: Renumere las direcciones en el orden del cable o pase dispositivos a otro lazo.</translation>
        </message>
        <message>
            <source>%1 at %2 m has no address.</source>
            <translation>%1 a %2 m no tiene dirección.</translation>
        </message>
        <message>
            <source>%1 at %2 m lies before the unit ahead of it in cable order (%3 m).</source>
            <translation>%1 a %2 m queda antes que la unidad anterior en el orden del cable (%3 m).</translation>
        </message>
        <message>
            <source>Recommendation: Correct the positions so that they grow from the OUT terminal to the IN terminal.</source>
            <translation>Recomendación: Corrija las posiciones para que crezcan desde el terminal OUT hasta el terminal IN.</translation>
        </message>
        <message>
            <source>%1 at %2 m lies beyond the loop length of %3 m.</source>
            <translation>%1 a %2 m queda más allá de la longitud del lazo de %3 m.</translation>
        </message>
        <message>
            <source>Recommendation: Correct its position or lengthen the loop.</source>
            <translation>Recomendación: Corrija su posición o alargue el lazo.</translation>
        </message>
        <message>
            <source>%1 more schedule faults.</source>
            <translation>%1 fallos más en la lista de unidades.</translation>
        </message>
        <message>
            <source>fed from the OUT terminal only</source>
            <translation>alimentado solo desde el terminal OUT</translation>
        </message>
        <message>
            <source>with the loop intact</source>
            <translation>con el lazo intacto</translation>
        </message>
        <message>
            <source>with a break at the OUT terminal</source>
            <translation>con un corte en el terminal OUT</translation>
        </message>
        <message>
            <source>with a break at the IN terminal</source>
            <translation>con un corte en el terminal IN</translation>
        </message>
        <message>
            <source>%1 detectors and call points lie between two isolators, from address %2 to address %3; a short there would take out more than %4.</source>
            <translation>Hay %1 detectores y pulsadores entre dos aisladores, de la dirección %2 a la dirección %3; un cortocircuito ahí dejaría fuera de servicio más de %4.</translation>
        </message>
        <message>
            <source>Recommendation: Add an isolator within this section.</source>
            <translation>Recomendación: Añada un aislador en este tramo.</translation>
        </message>
        <message>
            <source>This panel holds %1 detectors and call points in all, more than %2; consider sharing them with another panel or expansion box.</source>
            <translation>Esta central tiene %1 detectores y pulsadores en total, más de %2; considere repartirlos con otra central o caja de expansión.</translation>
        </message>
    </context>
    <context>
        <name>ScheduleView</name>
        <message>
            <source>Schedule</source>
            <translation>Lista de unidades</translation>
        </message>
        <message>
            <source>Make schedule</source>
            <translation>Crear lista</translation>
        </message>
        <message>
            <source>Lists the loop's units in device-list order, evenly spread between the start and end distances and addressed 1, 2, ... in cable order.</source>
            <translation>Enumera las unidades del lazo en el orden de la lista de dispositivos, repartidas por igual entre las distancias inicial y final y con direcciones 1, 2, ... en el orden del cable.</translation>
        </message>
        <message>
            <source>Renumber</source>
            <translation>Renumerar</translation>
        </message>
        <message>
            <source>Gives the addresses anew in cable order.</source>
            <translation>Asigna de nuevo las direcciones en el orden del cable.</translation>
        </message>
        <message>
            <source>Move up</source>
            <translation>Subir</translation>
        </message>
        <message>
            <source>Moves the unit one place towards the OUT terminal (Ctrl+Up).</source>
            <translation>Mueve la unidad un puesto hacia el terminal OUT (Ctrl+Arriba).</translation>
        </message>
        <message>
            <source>Move down</source>
            <translation>Bajar</translation>
        </message>
        <message>
            <source>Moves the unit one place towards the IN terminal (Ctrl+Down).</source>
            <translation>Mueve la unidad un puesto hacia el terminal IN (Ctrl+Abajo).</translation>
        </message>
        <message>
            <source>Remove schedule</source>
            <translation>Quitar lista</translation>
        </message>
        <message>
            <source>Filter units</source>
            <translation>Filtrar unidades</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Posición (m)</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Dispositivo</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zona</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ubicación</translation>
        </message>
        <message>
            <source>Drop intact (V)</source>
            <translation>Caída con lazo intacto (V)</translation>
        </message>
        <message>
            <source>Break at OUT (V)</source>
            <translation>Corte en OUT (V)</translation>
        </message>
        <message>
            <source>Break at IN (V)</source>
            <translation>Corte en IN (V)</translation>
        </message>
        <message>
            <source>Margin (V)</source>
            <translation>Margen (V)</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>The schedule follows the device list: %1 unit(s) added at its end, %2 removed from its end.</source>
            <translation>La lista de unidades sigue a la lista de dispositivos: %1 unidad(es) añadida(s) al final, %2 quitada(s) del final.</translation>
        </message>
        <message>
            <source>Device-level check OK.</source>
            <translation>Comprobación por dispositivo correcta.</translation>
        </message>
        <message>
            <source>Drop fed from OUT (V)</source>
            <translation>Caída alimentado desde OUT (V)</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>FALLO</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Enter whole metres from 0 to %1.</source>
            <translation>Introduzca metros enteros de 0 a %1.</translation>
        </message>
        <message>
            <source>Zones and locations cannot hold ";" or line breaks, and a location holds at most %1 characters.</source>
            <translation>Las zonas y ubicaciones no pueden contener ";" ni saltos de línea, y una ubicación admite como máximo %1 caracteres.</translation>
        </message>
    </context>
    <context>
        <name>VoltageProfile</name>
        <message>
            <source>Fed from OUT</source>
            <translation>Alimentado desde OUT</translation>
        </message>
        <message>
            <source>Intact</source>
            <translation>Intacto</translation>
        </message>
        <message>
            <source>Break at OUT</source>
            <translation>Corte en OUT</translation>
        </message>
        <message>
            <source>Break at IN</source>
            <translation>Corte en IN</translation>
        </message>
        <message>
            <source>Limit %1 V</source>
            <translation>Límite %1 V</translation>
        </message>
    </context>
    <context>
        <name>DeviceCategories</name>
        <message>
            <source>Detectors</source>
            <translation>Detectores</translation>
        </message>
        <message>
            <source>Manual call points</source>
            <translation>Pulsadores manuales</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Módulos</translation>
        </message>
        <message>
            <source>Sounders and beacons</source>
            <translation>Sirenas y flashes</translation>
        </message>
        <message>
            <source>Special devices</source>
            <translation>Equipos especiales</translation>
        </message>
        <message>
            <source>Optical smoke</source>
            <translation>Humo óptico</translation>
        </message>
        <message>
            <source>Heat</source>
            <translation>Térmicos</translation>
        </message>
        <message>
            <source>Multi-sensor</source>
            <translation>Multisensor</translation>
        </message>
        <message>
            <source>Gas</source>
            <translation>Gas</translation>
        </message>
        <message>
            <source>Beam</source>
            <translation>Lineales</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zona</translation>
        </message>
        <message>
            <source>Input</source>
            <translation>Entrada</translation>
        </message>
        <message>
            <source>Input/output</source>
            <translation>Entrada/salida</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Salida</translation>
        </message>
        <message>
            <source>230 V output</source>
            <translation>Salida de 230 V</translation>
        </message>
        <message>
            <source>24 V output</source>
            <translation>Salida de 24 V</translation>
        </message>
        <message>
            <source>Conventional zone interface</source>
            <translation>Interfaz de zona convencional</translation>
        </message>
        <message>
            <source>Remote indicator</source>
            <translation>Indicador remoto</translation>
        </message>
        <message>
            <source>Isolator</source>
            <translation>Aislador</translation>
        </message>
    </context>
    <context>
        <name>GettingStartedPanel</name>
        <message>
            <source>&lt;b&gt;Getting started&lt;/b&gt;: 1. Pick the panel model on the Panel tab. 2. Add loops with loop cards (+). 3. On a loop tab, find devices with the filter (Ctrl+F) and add them with Enter, or type a quantity first. 4. Save the design (Ctrl+S).</source>
            <translation>&lt;b&gt;Primeros pasos&lt;/b&gt;: 1. Elija el modelo de central en la pestaña Central. 2. Añada lazos con tarjetas de lazo (+). 3. En una pestaña de lazo, busque equipos con el filtro (Ctrl+F) y añádalos con Intro, o escriba antes una cantidad. 4. Guarde el diseño (Ctrl+S).</translation>
        </message>
        <message>
            <source>Got it</source>
            <translation>Entendido</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>Do not show this again</source>
            <translation>No volver a mostrar</translation>
        </message>
    </context>
    <context>
        <name>NoDataPage</name>
        <message>
            <source>No product data installed yet</source>
            <translation>Todavía no hay datos de productos instalados</translation>
        </message>
        <message>
            <source>Kalvix designs installations with the products of a data pack: a signed .tarvex file from the maker that holds the product range (panels, batteries, power supplies, loop devices) and their pictures. Install a data pack to start a design; the products stay installed for the next starts.</source>
            <translation>Kalvix diseña instalaciones con los productos de un paquete de datos: un archivo .tarvex firmado por el fabricante que contiene la gama de productos (centrales, baterías, fuentes de alimentación, equipos de lazo) y sus imágenes. Instale un paquete de datos para empezar un diseño; los productos quedan instalados para los siguientes inicios.</translation>
        </message>
        <message>
            <source>Import data pack...</source>
            <translation>Importar paquete de datos...</translation>
        </message>
        <message>
            <source>Install the demo range</source>
            <translation>Instalar la gama de demostración</translation>
        </message>
        <message>
            <source>A small made-up range to try the program with.</source>
            <translation>Una pequeña gama ficticia para probar el programa.</translation>
        </message>
    </context>
    <context>
        <name>RangeGuard</name>
        <message>
            <source>Allowed range: %1 to %2.</source>
            <translation>Rango permitido: de %1 a %2.</translation>
        </message>
        <message>
            <source>%1 is above the maximum; %2 is used.</source>
            <translation>%1 supera el máximo; se usa %2.</translation>
        </message>
        <message>
            <source>%1 is below the minimum; %2 is used.</source>
            <translation>%1 está por debajo del mínimo; se usa %2.</translation>
        </message>
        <message numerus="yes">
            <source>This field takes %n decimal(s); %1 is used.</source>
            <translation>
                <numerusform>Este campo admite %n decimal; se usa %1.</numerusform>
                <numerusform>Este campo admite %n decimales; se usa %1.</numerusform>
            </translation>
        </message>
    </context>
</TS>
