<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>About</name>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>App: %1
Version: %2
Release date: %3
Developed by: %4
Contact: %5</source>
            <translation>App: %1
Version: %2
Release date: %3
Developed by: %4
Contact: %5</translation>
        </message>
    </context>
    <context>
        <name>BatteryMethodBox</name>
        <message>
            <source>Battery method</source>
            <translation>Battery method</translation>
        </message>
        <message>
            <source>Apply nearest battery</source>
            <translation>Apply nearest battery</translation>
        </message>
        <message>
            <source>D = 1.75: the alarm current is above C/20.</source>
            <translation>D = 1.75: the alarm current is above C/20.</translation>
        </message>
        <message>
            <source>D = 1: the alarm current is not above C/20.</source>
            <translation>D = 1: the alarm current is not above C/20.</translation>
        </message>
        <message>
            <source>Required capacity: %1</source>
            <translation>Required capacity: %1</translation>
        </message>
    </context>
    <context>
        <name>BatterySizing</name>
        <message>
            <source>The battery degradation setting does not apply: the factor 1.25 of BS 5839-1 is its allowance for ageing.</source>
            <translation>The battery degradation setting does not apply: the factor 1.25 of BS 5839-1 is its allowance for ageing.</translation>
        </message>
        <message>
            <source>The battery degradation setting does not apply: the safety factor of NFPA 72 is its allowance for ageing.</source>
            <translation>The battery degradation setting does not apply: the safety factor of NFPA 72 is its allowance for ageing.</translation>
        </message>
        <message>
            <source>NFPA 72 requires 24 h of standby; the selected idle time is %1.</source>
            <translation>NFPA 72 requires 24 h of standby; the selected idle time is %1.</translation>
        </message>
        <message>
            <source>NFPA 72 requires 5 min of alarm (15 min for emergency voice/alarm communication); the selected alarm time is %1.</source>
            <translation>NFPA 72 requires 5 min of alarm (15 min for emergency voice/alarm communication); the selected alarm time is %1.</translation>
        </message>
        <message>
            <source>EN 54-14 practice expects 72 h of standby; a shorter time is accepted only in the cases it names, such as 30 h where a standby generator backs the mains or the site is staffed at all times. The selected idle time is %1.</source>
            <translation>EN 54-14 practice expects 72 h of standby; a shorter time is accepted only in the cases it names, such as 30 h where a standby generator backs the mains or the site is staffed at all times. The selected idle time is %1.</translation>
        </message>
        <message>
            <source>EN 54-14 practice expects 30 min of alarm; the selected alarm time is %1.</source>
            <translation>EN 54-14 practice expects 30 min of alarm; the selected alarm time is %1.</translation>
        </message>
        <message>
            <source>BS 5839-1 (Annex E)</source>
            <translation>BS 5839-1 (Annex E)</translation>
        </message>
        <message>
            <source>NFPA 72, 2019 and earlier</source>
            <translation>NFPA 72, 2019 and earlier</translation>
        </message>
        <message>
            <source>NFPA 72, 2022</source>
            <translation>NFPA 72, 2022</translation>
        </message>
        <message>
            <source>EN 54-14 practice</source>
            <translation>EN 54-14 practice</translation>
        </message>
        <message>
            <source>Maker's method</source>
            <translation>Maker's method</translation>
        </message>
        <message>
            <source>BS 5839-1:2017, Annex E (standby battery capacity)</source>
            <translation>BS 5839-1:2017, Annex E (standby battery capacity)</translation>
        </message>
        <message>
            <source>NFPA 72, 2010 to 2019 editions, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 20 % safety margin</source>
            <translation>NFPA 72, 2010 to 2019 editions, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 20 % safety margin</translation>
        </message>
        <message>
            <source>NFPA 72, 2022 edition, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 25 % safety margin</source>
            <translation>NFPA 72, 2022 edition, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of alarm (15 min for voice evacuation), 25 % safety margin</translation>
        </message>
        <message>
            <source>CEN/TS 54-14 (EN 54-14 practice), standby power supply: 72 h of standby, then 30 min of alarm</source>
            <translation>CEN/TS 54-14 (EN 54-14 practice), standby power supply: 72 h of standby, then 30 min of alarm</translation>
        </message>
        <message>
            <source>The panel maker's battery formula</source>
            <translation>The panel maker's battery formula</translation>
        </message>
        <message>
            <source>No battery in the catalogue, alone or with the additional batteries the design allows, meets the required capacity.</source>
            <translation>No battery in the catalogue, alone or with the additional batteries the design allows, meets the required capacity.</translation>
        </message>
        <message>
            <source>Smallest selection that meets it: %1 (%2 Ah).</source>
            <translation>Smallest selection that meets it: %1 (%2 Ah).</translation>
        </message>
    </context>
    <context>
        <name>DetailedViewWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Devices in loop</source>
            <translation>Devices in loop</translation>
        </message>
        <message>
            <source>Device name</source>
            <translation>Device name</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Quantity</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Remove</translation>
        </message>
        <message>
            <source>Device details</source>
            <translation>Device details</translation>
        </message>
        <message>
            <source>Device idle current</source>
            <translation>Device idle current</translation>
        </message>
        <message>
            <source>Device alarm current</source>
            <translation>Device alarm current</translation>
        </message>
        <message>
            <source>Total idle current in
loop from device</source>
            <translation>Total idle current in
loop from device</translation>
        </message>
        <message>
            <source>Total alarm current in
loop from device</source>
            <translation>Total alarm current in
loop from device</translation>
        </message>
        <message>
            <source>Total current considering all devices in alarm state, except sounders.
Sounders consider "Max sounder active percentage" value from the "Advanced settings" section ("Panel" tab).
Please note this value may be higher than the final one shown in the "Loop status" section due to loop optimizations.</source>
            <translation>Total current considering all devices in alarm state, except sounders.
Sounders consider "Max sounder active percentage" value from the "Advanced settings" section ("Panel" tab).
Please note this value may be higher than the final one shown in the "Loop status" section due to loop optimizations.</translation>
        </message>
        <message>
            <source>No description available for this device.</source>
            <translation>No description available for this device.</translation>
        </message>
    </context>
    <context>
        <name>DeviceDescriptions</name>
        <message>
            <source>TXC 101</source>
            <translation>Compact addressable fire alarm control panel with one loop of up to 128 addresses. For small sites such as shops, surgeries and small offices.</translation>
        </message>
        <message>
            <source>TXS 202</source>
            <translation>Addressable fire alarm control panel with 2 loops of 250 addresses, expandable to 4 loops with a VRAL-2 card and one TXE expansion box. For medium-sized buildings.</translation>
        </message>
        <message>
            <source>TXP 408</source>
            <translation>Addressable fire alarm control panel with 2 loops of 250 addresses, expandable to 8 loops with VRAL-2 cards and up to two expansion boxes. Loop overboost for high sounder loads.</translation>
        </message>
        <message>
            <source>TXP 816</source>
            <translation>High-capacity addressable fire alarm control panel with 4 loops of 250 addresses, expandable to 16 loops and up to four expansion boxes. For large buildings and campuses.</translation>
        </message>
        <message>
            <source>TXM 204 Marine</source>
            <translation>Addressable fire alarm control panel for ships and offshore use, with 2 loops of 200 addresses expandable to 4. Vibration- and humidity-resistant enclosure.</translation>
        </message>
        <message>
            <source>TXE 2</source>
            <translation>Expansion box for TXP panels with its own power supply and 2 loops, expandable to 4. Adds loops in another part of the building under the main panel.</translation>
        </message>
        <message>
            <source>TXE 4</source>
            <translation>Expansion box for TXS 202 and TXP 816 panels with its own power supply and 2 loops, expandable to 8. Loop overboost for high sounder loads.</translation>
        </message>
        <message>
            <source>TVB 12-7</source>
            <translation>12 V 7.2 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power in small panels and power supplies.</translation>
        </message>
        <message>
            <source>TVB 12-12</source>
            <translation>12 V 12 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power in panels and power supplies.</translation>
        </message>
        <message>
            <source>TVB 12-17</source>
            <translation>12 V 17 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power in panels, expansion boxes and power supplies.</translation>
        </message>
        <message>
            <source>TVB 12-24</source>
            <translation>12 V 24 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power where longer autonomy is needed.</translation>
        </message>
        <message>
            <source>TVB 12-26</source>
            <translation>12 V 26 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power in large panels and external battery boxes.</translation>
        </message>
        <message>
            <source>TVB 12-38</source>
            <translation>12 V 38 Ah sealed lead-acid (VRLA) standby battery. Used in pairs for 24 V standby power in the largest panels or in an external battery box.</translation>
        </message>
        <message>
            <source>KSP900 EN</source>
            <translation>EN 54-4 external 24 V power supply with three outputs and room for batteries up to 26 Ah. Connected to the panel through the ORN-PSLINK card; European mains only.</translation>
        </message>
        <message>
            <source>KSP600</source>
            <translation>EN 54-4 external 24 V power supply with one output and room for batteries up to 17 Ah. Connected to the panel through the ORN-PSLINK card.</translation>
        </message>
        <message>
            <source>BQR3105-E</source>
            <translation>Small external 24 V power supply for batteries up to 7.2 Ah. It delivers less current than the panels' internal power supply, so it is not suitable for this system.</translation>
        </message>
        <message>
            <source>EBX-26</source>
            <translation>External battery box for a pair of 12 V batteries up to 26 Ah, for batteries that do not fit inside the panel or power supply.</translation>
        </message>
        <message>
            <source>EBX-38</source>
            <translation>External battery box for a pair of 12 V batteries up to 38 Ah, for long autonomy times in large systems.</translation>
        </message>
        <message>
            <source>OD-210</source>
            <translation>Addressable optical smoke detector (EN 54-7). Detects the visible smoke of smouldering fires in offices, corridors, hotel rooms and escape routes.</translation>
        </message>
        <message>
            <source>OD-200</source>
            <translation>Previous-generation addressable optical smoke detector (EN 54-7), kept for extensions and replacements in existing installations.</translation>
        </message>
        <message>
            <source>HD-220</source>
            <translation>Addressable heat detector (EN 54-5) with fixed-temperature and rate-of-rise modes. For kitchens, garages and dusty or smoky areas where smoke detectors would give false alarms.</translation>
        </message>
        <message>
            <source>MD-230</source>
            <translation>Addressable multisensor detector combining optical smoke and heat sensing (EN 54-7, EN 54-5). Fast response to a wide range of fires with fewer false alarms.</translation>
        </message>
        <message>
            <source>CO-240</source>
            <translation>Addressable carbon monoxide fire detector (EN 54-26). Detects smouldering fires early in bedrooms, hotel rooms and residential areas.</translation>
        </message>
        <message>
            <source>BD-250</source>
            <translation>Addressable reflective optical beam smoke detector (EN 54-12), powered from the loop. Protects large open spaces such as warehouses, atriums and halls up to 100 m.</translation>
        </message>
        <message>
            <source>BD-260</source>
            <translation>Addressable motorised optical beam smoke detector (EN 54-12) with automatic alignment, powered from an external 24 V supply. For high ceilings and large open spaces.</translation>
        </message>
        <message>
            <source>CP-300</source>
            <translation>Addressable manual call point (EN 54-11) with resettable element. Installed along escape routes and at exits so that anyone can raise the alarm.</translation>
        </message>
        <message>
            <source>CP-310 IP67</source>
            <translation>Weatherproof addressable manual call point (EN 54-11, IP67) for outdoor areas, car parks and wet or dusty locations.</translation>
        </message>
        <message>
            <source>ZM-401</source>
            <translation>Addressable zone module for one zone of conventional detectors and call points. Powered from an external 24 V supply.</translation>
        </message>
        <message>
            <source>ZM-404</source>
            <translation>Addressable zone module for four zones of conventional detectors and call points. Powered from an external 24 V supply.</translation>
        </message>
        <message>
            <source>IM-411</source>
            <translation>Addressable single input module that monitors a volt-free contact, such as a sprinkler flow switch or a fire door contact.</translation>
        </message>
        <message>
            <source>IM-418</source>
            <translation>Addressable eight-input module that monitors eight volt-free contacts from technical alarms or other systems.</translation>
        </message>
        <message>
            <source>IOM-421</source>
            <translation>Addressable input/output module with one monitored input and one relay output, for controlling and confirming dampers, doors or plant shutdown.</translation>
        </message>
        <message>
            <source>IOM-424</source>
            <translation>Addressable module with four monitored inputs and four relay outputs, for several control actions from one loop position.</translation>
        </message>
        <message>
            <source>RM-431</source>
            <translation>Addressable relay module with one 230 V AC rated output, for switching mains loads such as lift recall, ventilation or door holders.</translation>
        </message>
        <message>
            <source>RM-434</source>
            <translation>Addressable relay module with four 230 V AC rated outputs, for switching several mains loads from one loop position.</translation>
        </message>
        <message>
            <source>SM-441</source>
            <translation>Addressable supervised 24 V output module for one line of conventional sounders or beacons, powered from an external 24 V supply.</translation>
        </message>
        <message>
            <source>SM-442</source>
            <translation>Addressable module with two supervised 24 V outputs for conventional sounder or beacon lines, powered from an external 24 V supply.</translation>
        </message>
        <message>
            <source>OM-451</source>
            <translation>Addressable output module with one volt-free changeover relay, for signalling to other systems.</translation>
        </message>
        <message>
            <source>OM-458</source>
            <translation>Addressable output module with eight volt-free relays, for signalling to several systems from one loop position.</translation>
        </message>
        <message>
            <source>SD-500 (loop)</source>
            <translation>Loop-powered addressable sounder (EN 54-3) with selectable tones and volume. Wall mounted, for general alarm in offices and public areas.</translation>
        </message>
        <message>
            <source>SBS-505 (loop)</source>
            <translation>Loop-powered addressable sounder base (EN 54-3) fitted under a detector, giving the alarm tone right where the detector is installed.</translation>
        </message>
        <message>
            <source>SB-510 (loop)</source>
            <translation>Loop-powered addressable sounder with flashing beacon (EN 54-3, EN 54-23) for areas that need both an audible and a visual alarm.</translation>
        </message>
        <message>
            <source>VAD-520 (loop)</source>
            <translation>Loop-powered addressable visual alarm device (EN 54-23) for noisy areas and for people with hearing impairments.</translation>
        </message>
        <message>
            <source>SD-530 XL (loop)</source>
            <translation>High-output loop-powered addressable sounder (EN 54-3) for large or noisy spaces such as plant rooms, car parks and warehouses.</translation>
        </message>
        <message>
            <source>SD-400 (loop)</source>
            <translation>Previous-generation loop-powered addressable sounder (EN 54-3), kept for extensions and replacements in existing installations.</translation>
        </message>
        <message>
            <source>SD-550</source>
            <translation>Addressable sounder (EN 54-3) powered from an external 24 V supply, so that its alarm current does not load the loop.</translation>
        </message>
        <message>
            <source>SB-560</source>
            <translation>Addressable sounder with flashing beacon (EN 54-3, EN 54-23) powered from an external 24 V supply, for large audible and visual alarm needs without loading the loop.</translation>
        </message>
        <message>
            <source>CI-601</source>
            <translation>Addressable single-channel interface for connecting third-party equipment, such as an extinguishing control panel, to the loop.</translation>
        </message>
        <message>
            <source>CI-602</source>
            <translation>Addressable two-channel interface for connecting third-party equipment to the loop, powered from an external 24 V supply.</translation>
        </message>
        <message>
            <source>PL-610</source>
            <translation>Remote indicator lamp wired to a detector's output, showing its alarm outside a closed room or above a false ceiling. Uses no loop address.</translation>
        </message>
        <message>
            <source>PL-615</source>
            <translation>Addressable remote indicator lamp that the panel can switch on from any detector or zone.</translation>
        </message>
        <message>
            <source>ISO-700</source>
            <translation>Short-circuit isolator (EN 54-17). Installed between loop sections so that a short circuit puts only that section out of service. Uses no loop address.</translation>
        </message>
        <message>
            <source>VRAL-2</source>
            <translation>Loop card that adds two loops to the panel or expansion box.</translation>
        </message>
        <message>
            <source>ORN-PSLINK</source>
            <translation>Power supply link card that connects and supervises up to two external power supplies with their batteries.</translation>
        </message>
        <message>
            <source>ZEP-NET</source>
            <translation>Network card that links several panels into one networked system. Only one ZEP card can be fitted per panel.</translation>
        </message>
        <message>
            <source>ZEP-IP</source>
            <translation>Ethernet card for remote monitoring and maintenance of the panel over an IP network. Only one ZEP card can be fitted per panel.</translation>
        </message>
        <message>
            <source>RLY-8</source>
            <translation>Relay card with eight programmable volt-free outputs inside the panel.</translation>
        </message>
        <message>
            <source>PRN-40</source>
            <translation>Built-in 40-column thermal printer that prints events and reports at the panel.</translation>
        </message>
    </context>
    <context>
        <name>DistributionFactor</name>
        <message>
            <source>Distribution Factor</source>
            <translation>Distribution Factor</translation>
        </message>
        <message>
            <source>Topology:</source>
            <translation>Topology:</translation>
        </message>
        <message>
            <source>Class A: the loop is closed, so it has output and return.</source>
            <translation>Class A: the loop is closed, so it has output and return.</translation>
        </message>
        <message>
            <source>Class B (degraded mode): the loop is open at one end.</source>
            <translation>Class B (degraded mode): the loop is open at one end.</translation>
        </message>
        <message>
            <source>The images are intended to explain the concept of distribution factor. No installation is ideal, but this concept helps you choose a factor that, using engineering criteria, is as close as possible to the real installation.</source>
            <translation>The images are intended to explain the concept of distribution factor. No installation is ideal, but this concept helps you choose a factor that, using engineering criteria, is as close as possible to the real installation.</translation>
        </message>
        <message>
            <source>Devices with the highest consumption in the loop, usually sounders, should be considered as the relevant devices. This is because they have more weight in the load distribution along the full cable distance.</source>
            <translation>Devices with the highest consumption in the loop, usually sounders, should be considered as the relevant devices. This is because they have more weight in the load distribution along the full cable distance.</translation>
        </message>
        <message>
            <source>Distribution percentage:
0% - worst case where all devices are on one side of the installation for Class B, or all devices are at the center of the loop for Class A.
50% - intermediate case between having all devices distributed and having them in the worst case.
100% - ideal case where all devices are distributed uniformly.</source>
            <translation>Distribution percentage:
0% - worst case where all devices are on one side of the installation for Class B, or all devices are at the center of the loop for Class A.
50% - intermediate case between having all devices distributed and having them in the worst case.
100% - ideal case where all devices are distributed uniformly.</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Notes:</translation>
        </message>
        <message>
            <source>:/resources/icons/distribution_factor.png</source>
            <extracomment>Resource path of the illustration: a translation names the picture with its labels in that language.</extracomment>
            <translation>:/resources/icons/distribution_factor.png</translation>
        </message>
    </context>
    <context>
        <name>ExpansionBoxWidget</name>
        <message>
            <source>Expansion Box Configuration</source>
            <translation>Expansion Box Configuration</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Expansion Box</translation>
        </message>
    </context>
    <context>
        <name>Exporter</name>
        <message>
            <source>%1 (%2 loops)</source>
            <translation>%1 (%2 loops)</translation>
        </message>
        <message>
            <source>%1 (%2-%3 loops)</source>
            <translation>%1 (%2-%3 loops)</translation>
        </message>
        <message>
            <source>Version Compatibility Warning</source>
            <translation>Version Compatibility Warning</translation>
        </message>
        <message>
            <source>The VXA XML file version (%1) is not supported by this application.
Expected version: %2

The import process may not work correctly.</source>
            <translation>The VXA XML file version (%1) is not supported by this application.
Expected version: %2

The import process may not work correctly.</translation>
        </message>
        <message>
            <source>Select XML Panel</source>
            <translation>Select XML Panel</translation>
        </message>
        <message>
            <source>Select a panel from the XML file:</source>
            <translation>Select a panel from the XML file:</translation>
        </message>
        <message>
            <source>Select App Panel</source>
            <translation>Select App Panel</translation>
        </message>
        <message>
            <source>Select a target panel in the application:</source>
            <translation>Select a target panel in the application:</translation>
        </message>
        <message>
            <source>Loop Count Warning</source>
            <translation>Loop Count Warning</translation>
        </message>
        <message>
            <source>The XML panel has %1 loops but the selected app panel only supports up to %2 loop(s).
%3 loop(s) will be ignored.</source>
            <translation>The XML panel has %1 loops but the selected app panel only supports up to %2 loop(s).
%3 loop(s) will be ignored.</translation>
        </message>
        <message>
            <source>SYSTEM FAULTS DETECTED</source>
            <translation>SYSTEM FAULTS DETECTED</translation>
        </message>
        <message>
            <source>SYSTEM NOTES &amp; RECOMMENDATIONS</source>
            <translation>SYSTEM NOTES &amp; RECOMMENDATIONS</translation>
        </message>
        <message>
            <source>LOOP FAULTS DETECTED</source>
            <translation>LOOP FAULTS DETECTED</translation>
        </message>
        <message>
            <source>LOOP NOTES &amp; RECOMMENDATIONS</source>
            <translation>LOOP NOTES &amp; RECOMMENDATIONS</translation>
        </message>
        <message>
            <source>Internal Battery:</source>
            <translation>Internal Battery:</translation>
        </message>
        <message>
            <source>Battery Degradation:</source>
            <translation>Battery Degradation:</translation>
        </message>
        <message>
            <source>Maximum Sounders Active:</source>
            <translation>Maximum Sounders Active:</translation>
        </message>
        <message>
            <source>Idle Time:</source>
            <translation>Idle Time:</translation>
        </message>
        <message>
            <source>Alarm Time:</source>
            <translation>Alarm Time:</translation>
        </message>
        <message>
            <source>Auxiliary Cards</source>
            <translation>Auxiliary Cards</translation>
        </message>
        <message>
            <source>Card:</source>
            <translation>Card:</translation>
        </message>
        <message>
            <source>External Power Sources</source>
            <translation>External Power Sources</translation>
        </message>
        <message>
            <source>External Power Source 1:</source>
            <translation>External Power Source 1:</translation>
        </message>
        <message>
            <source>Additional Battery 1:</source>
            <translation>Additional Battery 1:</translation>
        </message>
        <message>
            <source>External Battery Box 1:</source>
            <translation>External Battery Box 1:</translation>
        </message>
        <message>
            <source>External Power Source 2:</source>
            <translation>External Power Source 2:</translation>
        </message>
        <message>
            <source>Additional Battery 2:</source>
            <translation>Additional Battery 2:</translation>
        </message>
        <message>
            <source>External Battery Box 2:</source>
            <translation>External Battery Box 2:</translation>
        </message>
        <message>
            <source>Cable Type:</source>
            <translation>Cable Type:</translation>
        </message>
        <message>
            <source>Topology:</source>
            <translation>Topology:</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Class A</translation>
        </message>
        <message>
            <source>TOPOLOGY WARNING</source>
            <translation>TOPOLOGY WARNING</translation>
        </message>
        <message>
            <source>The current loop configuration may experience operational issues if a cable cut occurs. The loop parameters exceed the limits that would allow proper Degraded mode operation as backup. Consider reducing device count, cable length, or using higher cable sections to improve fault tolerance.</source>
            <translation>The current loop configuration may experience operational issues if a cable cut occurs. The loop parameters exceed the limits that would allow proper Degraded mode operation as backup. Consider reducing device count, cable length, or using higher cable sections to improve fault tolerance.</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Degraded mode</translation>
        </message>
        <message>
            <source>TOPOLOGY RECOMMENDATION</source>
            <translation>TOPOLOGY RECOMMENDATION</translation>
        </message>
        <message>
            <source>The loop is configured for Degraded mode topology. Degraded mode installation should only be used for testing purposes. For production installations, configure the loop in Class A topology to ensure proper fire safety compliance and system reliability.</source>
            <translation>The loop is configured for Degraded mode topology. Degraded mode installation should only be used for testing purposes. For production installations, configure the loop in Class A topology to ensure proper fire safety compliance and system reliability.</translation>
        </message>
        <message>
            <source>Distribution Factor:</source>
            <translation>Distribution Factor:</translation>
        </message>
        <message>
            <source>Loop Length:</source>
            <translation>Loop Length:</translation>
        </message>
        <message>
            <source>Distance to First Device:</source>
            <translation>Distance to First Device:</translation>
        </message>
        <message>
            <source>Distance to Last Device:</source>
            <translation>Distance to Last Device:</translation>
        </message>
        <message>
            <source>Devices in Loop</source>
            <translation>Devices in Loop</translation>
        </message>
        <message>
            <source>No devices configured</source>
            <translation>No devices configured</translation>
        </message>
        <message>
            <source>units</source>
            <translation>units</translation>
        </message>
        <message>
            <source>Auxiliary Card - Panel expansion</source>
            <translation>Auxiliary Card - Panel expansion</translation>
        </message>
        <message>
            <source>Auxiliary Card - Expansion Box %1 expansion</source>
            <translation>Auxiliary Card - Expansion Box %1 expansion</translation>
        </message>
        <message>
            <source>External Power Supply - Additional power source</source>
            <translation>External Power Supply - Additional power source</translation>
        </message>
        <message>
            <source>External Power Supply - Expansion Box %1 additional power source</source>
            <translation>External Power Supply - Expansion Box %1 additional power source</translation>
        </message>
        <message>
            <source>Internal Battery - Standby power (%1 Ah)</source>
            <translation>Internal Battery - Standby power (%1 Ah)</translation>
        </message>
        <message>
            <source>Internal Battery - Expansion Box %1 standby power (%2 Ah)</source>
            <translation>Internal Battery - Expansion Box %1 standby power (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery - Extended standby power (%1 Ah)</source>
            <translation>External Battery - Extended standby power (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery - Expansion Box %1 extended standby power (%2 Ah)</source>
            <translation>External Battery - Expansion Box %1 extended standby power (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Extended standby power (%1 Ah)</source>
            <translation>External Battery Box - Extended standby power (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Expansion Box %1 extended standby power (%2 Ah)</source>
            <translation>External Battery Box - Expansion Box %1 extended standby power (%2 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - For additional battery support (%1 Ah)</source>
            <translation>External Battery Box - For additional battery support (%1 Ah)</translation>
        </message>
        <message>
            <source>External Battery Box - Expansion Box %1 battery support (%2 Ah)</source>
            <translation>External Battery Box - Expansion Box %1 battery support (%2 Ah)</translation>
        </message>
        <message>
            <source>No description available for this device.</source>
            <translation>No description available for this device.</translation>
        </message>
        <message>
            <source>Equipment Summary List</source>
            <translation>Equipment Summary List</translation>
        </message>
        <message>
            <source>Image</source>
            <translation>Image</translation>
        </message>
        <message>
            <source>Item</source>
            <translation>Item</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Quantity</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>PANEL</source>
            <translation>PANEL</translation>
        </message>
        <message>
            <source>Fire Alarm Control Panel - Main control unit</source>
            <translation>Fire Alarm Control Panel - Main control unit</translation>
        </message>
        <message>
            <source>AUXILIARY CARDS</source>
            <translation>AUXILIARY CARDS</translation>
        </message>
        <message>
            <source>EXTERNAL POWER SOURCES</source>
            <translation>EXTERNAL POWER SOURCES</translation>
        </message>
        <message>
            <source>BATTERIES</source>
            <translation>BATTERIES</translation>
        </message>
        <message>
            <source>EXTERNAL BATTERY BOXES</source>
            <translation>EXTERNAL BATTERY BOXES</translation>
        </message>
        <message>
            <source>EXPANSION BOXES</source>
            <translation>EXPANSION BOXES</translation>
        </message>
        <message>
            <source>Expansion Box %1 - Additional control unit</source>
            <translation>Expansion Box %1 - Additional control unit</translation>
        </message>
        <message>
            <source>LOOP DEVICES</source>
            <translation>LOOP DEVICES</translation>
        </message>
        <message>
            <source>CABLES</source>
            <translation>CABLES</translation>
        </message>
        <message>
            <source>Loop Cable - For Loop %1 wiring</source>
            <translation>Loop Cable - For Loop %1 wiring</translation>
        </message>
        <message>
            <source>Loop Cable - For Expansion Box %1 Loop %2 wiring</source>
            <translation>Loop Cable - For Expansion Box %1 Loop %2 wiring</translation>
        </message>
        <message>
            <source>Kalvix Report</source>
            <translation>Kalvix Report</translation>
        </message>
        <message>
            <source>Fire Alarm System Configuration &amp; Analysis</source>
            <translation>Fire Alarm System Configuration &amp; Analysis</translation>
        </message>
        <message>
            <source>Facility:</source>
            <translation>Facility:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Address:</translation>
        </message>
        <message>
            <source>Installer:</source>
            <translation>Installer:</translation>
        </message>
        <message>
            <source>Generated on:</source>
            <translation>Generated on:</translation>
        </message>
        <message>
            <source>Software:</source>
            <translation>Software:</translation>
        </message>
        <message>
            <source>Company:</source>
            <translation>Company:</translation>
        </message>
        <message>
            <source>Website:</source>
            <translation>Website:</translation>
        </message>
        <message>
            <source>General System Analysis</source>
            <translation>General System Analysis</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Loop</translation>
        </message>
        <message>
            <source>Analysis</source>
            <translation>Analysis</translation>
        </message>
        <message>
            <source>Panel Configuration</source>
            <translation>Panel Configuration</translation>
        </message>
        <message>
            <source>General Settings</source>
            <translation>General Settings</translation>
        </message>
        <message>
            <source>Panel:</source>
            <translation>Panel:</translation>
        </message>
        <message>
            <source>Configuration</source>
            <translation>Configuration</translation>
        </message>
        <message>
            <source>Expansion Box Configuration</source>
            <translation>Expansion Box Configuration</translation>
        </message>
        <message>
            <source>Expansion Box:</source>
            <translation>Expansion Box:</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Expansion Box</translation>
        </message>
        <message>
            <source>System Faults &amp; Notes Analysis</source>
            <translation>System Faults &amp; Notes Analysis</translation>
        </message>
        <message>
            <source>Report Information</source>
            <translation>Report Information</translation>
        </message>
        <message>
            <source>Facility name</source>
            <translation>Facility name</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Installer company</source>
            <translation>Installer company</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>FAULT</translation>
        </message>
        <message>
            <source>Battery Calculation</source>
            <translation>Battery Calculation</translation>
        </message>
        <message>
            <source>Total idle current (Iq)</source>
            <translation>Total idle current (Iq)</translation>
        </message>
        <message>
            <source>Total alarm current (Ia)</source>
            <translation>Total alarm current (Ia)</translation>
        </message>
        <message>
            <source>Idle time (H)</source>
            <translation>Idle time (H)</translation>
        </message>
        <message>
            <source>Alarm time (M)</source>
            <translation>Alarm time (M)</translation>
        </message>
        <message>
            <source>Battery degradation (D)</source>
            <translation>Battery degradation (D)</translation>
        </message>
        <message>
            <source>Required capacity</source>
            <translation>Required capacity</translation>
        </message>
        <message>
            <source>C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)</source>
            <translation>C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)</translation>
        </message>
        <message>
            <source>Selected batteries</source>
            <translation>Selected batteries</translation>
        </message>
        <message>
            <source>None</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Margin</source>
            <translation>Margin</translation>
        </message>
        <message>
            <source>Result</source>
            <translation>Result</translation>
        </message>
        <message>
            <source>Power Load</source>
            <translation>Power Load</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Idle current</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Alarm current</translation>
        </message>
        <message>
            <source>Loops (each × 55/36)</source>
            <translation>Loops (each × 55/36)</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Auxiliary cards</translation>
        </message>
        <message>
            <source>Outputs (24 V, sounder 1, sounder 2)</source>
            <translation>Outputs (24 V, sounder 1, sounder 2)</translation>
        </message>
        <message>
            <source>Panel's own consumption</source>
            <translation>Panel's own consumption</translation>
        </message>
        <message>
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <source>Maximum allowed by %1</source>
            <translation>Maximum allowed by %1</translation>
        </message>
        <message>
            <source>(no loops)</source>
            <translation>(no loops)</translation>
        </message>
        <message>
            <source>Loops</source>
            <translation>Loops</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Addresses</translation>
        </message>
        <message>
            <source>used / max.</source>
            <translation>used / max.</translation>
        </message>
        <message>
            <source>max. (A)</source>
            <translation>max. (A)</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Voltage drop</translation>
        </message>
        <message>
            <source>max. (V)</source>
            <translation>max. (V)</translation>
        </message>
        <message>
            <source>Tightest margin</source>
            <translation>Tightest margin</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topology</translation>
        </message>
        <message>
            <source>degraded mode</source>
            <translation>degraded mode</translation>
        </message>
        <message>
            <source>exceeded</source>
            <translation>exceeded</translation>
        </message>
        <message>
            <source>Figures are those the program shows on screen, rounded as shown (currents and voltages to 7 decimals, capacities to 2) before a later step uses them. A margin is (limit - value) / limit; a value equal to its limit is within it.</source>
            <translation>Figures are those the program shows on screen, rounded as shown (currents and voltages to 7 decimals, capacities to 2) before a later step uses them. A margin is (limit - value) / limit; a value equal to its limit is within it.</translation>
        </message>
        <message>
            <source>Loop currents: the idle current is the sum of the devices' idle currents. In alarm, the sixteen units with the largest alarm currents count with their alarm current and every other unit with its idle current; sounders and beam detectors are not part of these sixteen. Of each sounder type, the share set as maximum sounders active (rounded up) counts with its alarm current, the rest with their idle current; every beam detector counts with its alarm current. A loop that uses at least one address adds a base current of 0.026 A to both currents.</source>
            <translation>Loop currents: the idle current is the sum of the devices' idle currents. In alarm, the sixteen units with the largest alarm currents count with their alarm current and every other unit with its idle current; sounders and beam detectors are not part of these sixteen. Of each sounder type, the share set as maximum sounders active (rounded up) counts with its alarm current, the rest with their idle current; every beam detector counts with its alarm current. A loop that uses at least one address adds a base current of 0.026 A to both currents.</translation>
        </message>
        <message>
            <source>Voltage drop: the alarm current times the loop resistance. The resistance counts both conductors of copper cable (0.0172 ohm mm2/m) of the chosen cross-section and 0.1 ohm per detector that adds loop resistance; the section between the first and the last device and the detectors are weighted by the distribution factor (%1 at 0 % to %2 at 100 %), and the whole by the topology factor (Class A %3, degraded mode %4). In degraded mode only the longer of the two leads counts. The maximum voltage drop is 6.9 V, or 7.9 V on a panel with overboost when a Class A loop drops at least 1.0 V or a degraded-mode loop draws more than 0.1 A. The maximum current is the maximum voltage drop divided by the loop resistance, but no more than the panel's loop current limit.</source>
            <translation>Voltage drop: the alarm current times the loop resistance. The resistance counts both conductors of copper cable (0.0172 ohm mm2/m) of the chosen cross-section and 0.1 ohm per detector that adds loop resistance; the section between the first and the last device and the detectors are weighted by the distribution factor (%1 at 0 % to %2 at 100 %), and the whole by the topology factor (Class A %3, degraded mode %4). In degraded mode only the longer of the two leads counts. The maximum voltage drop is 6.9 V, or 7.9 V on a panel with overboost when a Class A loop drops at least 1.0 V or a degraded-mode loop draws more than 0.1 A. The maximum current is the maximum voltage drop divided by the loop resistance, but no more than the panel's loop current limit.</translation>
        </message>
        <message>
            <source>A loop is FAULT when its addresses, its voltage drop or its alarm current exceed their maximum. The degraded-mode check computes a Class A loop again as if a cable cut left it in degraded mode; when it fails, the report warns, but the loop is not FAULT.</source>
            <translation>A loop is FAULT when its addresses, its voltage drop or its alarm current exceed their maximum. The degraded-mode check computes a Class A loop again as if a cable cut left it in degraded mode; when it fails, the report warns, but the loop is not FAULT.</translation>
        </message>
        <message>
            <source>Panel currents: each loop's idle and alarm current is multiplied by 55/36 at the panel, then the auxiliary cards, the output currents and the panel's own consumption are added. The power load is FAULT when the total alarm current exceeds the model's maximum current or the panel has no loops.</source>
            <translation>Panel currents: each loop's idle and alarm current is multiplied by 55/36 at the panel, then the auxiliary cards, the output currents and the panel's own consumption are added. The power load is FAULT when the total alarm current exceeds the model's maximum current or the panel has no loops.</translation>
        </message>
        <message>
            <source>Battery: the minimum capacity covers the idle time at the total idle current and the alarm time at the total alarm current, divided by (1 - degradation) for the capacity the batteries lose with age. The battery is FAULT when no battery is selected or the selected batteries hold less than that. Cable losses between the panel and its batteries, temperature and charging current are not computed.</source>
            <translation>Battery: the minimum capacity covers the idle time at the total idle current and the alarm time at the total alarm current, divided by (1 - degradation) for the capacity the batteries lose with age. The battery is FAULT when no battery is selected or the selected batteries hold less than that. Cable losses between the panel and its batteries, temperature and charging current are not computed.</translation>
        </message>
        <message>
            <source>Method and Assumptions</source>
            <translation>Method and Assumptions</translation>
        </message>
        <message>
            <source>Calculation Sheet</source>
            <translation>Calculation Sheet</translation>
        </message>
        <message>
            <source>Main Panel: %1</source>
            <translation>Main Panel: %1</translation>
        </message>
        <message>
            <source>Expansion Box %1: %2</source>
            <translation>Expansion Box %1: %2</translation>
        </message>
        <message>
            <source>Revision %1</source>
            <translation>Revision %1</translation>
        </message>
        <message>
            <source>Project reference:</source>
            <translation>Project reference:</translation>
        </message>
        <message>
            <source>Revision:</source>
            <translation>Revision:</translation>
        </message>
        <message>
            <source>Prepared by:</source>
            <translation>Prepared by:</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Project reference</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revision</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Prepared by</translation>
        </message>
        <message>
            <source>De-rating factor (D)</source>
            <translation>De-rating factor (D)</translation>
        </message>
        <message>
            <source>1.75: the alarm current I2 is above C/20</source>
            <translation>1.75: the alarm current I2 is above C/20</translation>
        </message>
        <message>
            <source>1: the alarm current I2 is not above C/20</source>
            <translation>1: the alarm current I2 is not above C/20</translation>
        </message>
        <message>
            <source>Safety factor (SF)</source>
            <translation>Safety factor (SF)</translation>
        </message>
        <message>
            <source>Degradation factor</source>
            <translation>Degradation factor</translation>
        </message>
        <message>
            <source>Battery method</source>
            <translation>Battery method</translation>
        </message>
        <message>
            <source>Edition and clause</source>
            <translation>Edition and clause</translation>
        </message>
        <message>
            <source>Notes</source>
            <translation>Notes</translation>
        </message>
        <message>
            <source>Battery methods: each panel and expansion box is sized by the method chosen for it. The maker's method is the formula above. BS 5839-1 (Annex E of the 2017 edition): C = 1.25 × (T1 × I1 + D × T2 × I2), where 1.25 allows for ageing and D is 1.75 when the alarm current exceeds C/20 (the rate the capacity is stated at), else 1; the degradation setting does not apply. NFPA 72 (10.6.7, secondary power supply): 24 h of standby and 5 min of alarm (15 min for voice evacuation), the sum multiplied by a safety factor of 1.20 (editions 2010 to 2019) or 1.25 (2022 edition). EN 54-14 practice (CEN/TS 54-14): the maker's formula for 72 h of standby and 30 min of alarm, shorter standby only in the cases it names. Times other than a method expects are noted, not refused.</source>
            <translation>Battery methods: each panel and expansion box is sized by the method chosen for it. The maker's method is the formula above. BS 5839-1 (Annex E of the 2017 edition): C = 1.25 × (T1 × I1 + D × T2 × I2), where 1.25 allows for ageing and D is 1.75 when the alarm current exceeds C/20 (the rate the capacity is stated at), else 1; the degradation setting does not apply. NFPA 72 (10.6.7, secondary power supply): 24 h of standby and 5 min of alarm (15 min for voice evacuation), the sum multiplied by a safety factor of 1.20 (editions 2010 to 2019) or 1.25 (2022 edition). EN 54-14 practice (CEN/TS 54-14): the maker's formula for 72 h of standby and 30 min of alarm, shorter standby only in the cases it names. Times other than a method expects are noted, not refused.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Position (m)</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Device</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zone</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Location</translation>
        </message>
        <message>
            <source>Drop fed from OUT (V)</source>
            <translation>Drop fed from OUT (V)</translation>
        </message>
        <message>
            <source>Drop intact (V)</source>
            <translation>Drop intact (V)</translation>
        </message>
        <message>
            <source>Drop, break at OUT (V)</source>
            <translation>Drop, break at OUT (V)</translation>
        </message>
        <message>
            <source>Drop, break at IN (V)</source>
            <translation>Drop, break at IN (V)</translation>
        </message>
        <message>
            <source>Margin (V)</source>
            <translation>Margin (V)</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>Loop Cable - loop wiring</source>
            <translation>Loop Cable - loop wiring</translation>
        </message>
        <message>
            <source>Expansion Box - Additional control unit</source>
            <translation>Expansion Box - Additional control unit</translation>
        </message>
        <message>
            <source>Main panel</source>
            <translation>Main panel</translation>
        </message>
        <message>
            <source>Box %1</source>
            <translation>Box %1</translation>
        </message>
        <message>
            <source>Loop Results</source>
            <translation>Loop Results</translation>
        </message>
        <message>
            <source>Expansion Box %1</source>
            <translation>Expansion Box %1</translation>
        </message>
        <message>
            <source>%1: battery</source>
            <translation>%1: battery</translation>
        </message>
        <message>
            <source>battery</source>
            <translation>battery</translation>
        </message>
        <message>
            <source>%1: power load</source>
            <translation>%1: power load</translation>
        </message>
        <message>
            <source>power load</source>
            <translation>power load</translation>
        </message>
        <message>
            <source>%1: Loop %2</source>
            <translation>%1: Loop %2</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Loop %1</translation>
        </message>
        <message>
            <source>Loops %1</source>
            <translation>Loops %1</translation>
        </message>
        <message>
            <source>Overall verdict</source>
            <translation>Overall verdict</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>No faults: every loop and panel is within its limits.</source>
            <translation>No faults: every loop and panel is within its limits.</translation>
        </message>
        <message>
            <source>1 fault</source>
            <translation>1 fault</translation>
        </message>
        <message>
            <source>%1 faults</source>
            <translation>%1 faults</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Signature</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Prepared</source>
            <translation>Prepared</translation>
        </message>
        <message>
            <source>Checked</source>
            <translation>Checked</translation>
        </message>
        <message>
            <source>Approved</source>
            <translation>Approved</translation>
        </message>
        <message>
            <source>en_GB</source>
            <extracomment>The locale whose month names the report's dates use.</extracomment>
            <translation>en_GB</translation>
        </message>
        <message>
            <source>d MMMM yyyy</source>
            <extracomment>How the report writes a date (QDate format).</extracomment>
            <translation>d MMMM yyyy</translation>
        </message>
        <message>
            <source>Date of issue:</source>
            <translation>Date of issue:</translation>
        </message>
        <message>
            <source>Data pack:</source>
            <translation>Data pack:</translation>
        </message>
        <message>
            <source>Data pack version:</source>
            <translation>Data pack version:</translation>
        </message>
        <message>
            <source>Revision History</source>
            <translation>Revision History</translation>
        </message>
        <message>
            <source>No revisions recorded.</source>
            <translation>No revisions recorded.</translation>
        </message>
        <message>
            <source>By</source>
            <translation>By</translation>
        </message>
        <message>
            <source>Basis of Design</source>
            <translation>Basis of Design</translation>
        </message>
        <message>
            <source>EN 54-2 and EN 54-4: each loop is held to its panel's limits (addresses, loop current and a voltage drop of 6.9 V, or 7.9 V with overboost); each panel and expansion box to its model's maximum current, and its batteries to the capacity the idle and alarm times need.</source>
            <translation>EN 54-2 and EN 54-4: each loop is held to its panel's limits (addresses, loop current and a voltage drop of 6.9 V, or 7.9 V with overboost); each panel and expansion box to its model's maximum current, and its batteries to the capacity the idle and alarm times need.</translation>
        </message>
        <message>
            <source>the maker's method</source>
            <translation>the maker's method</translation>
        </message>
        <message>
            <source>Battery capacity: %1.</source>
            <translation>Battery capacity: %1.</translation>
        </message>
        <message>
            <source>Loops: the maker's loop method (alarm set of sixteen units, cable and detector resistance weighted by the distribution and topology factors), written out under Method and Assumptions in the calculation sheet.</source>
            <translation>Loops: the maker's loop method (alarm set of sixteen units, cable and detector resistance weighted by the distribution and topology factors), written out under Method and Assumptions in the calculation sheet.</translation>
        </message>
        <message>
            <source>Device-level check: not used (no loop has a device schedule).</source>
            <translation>Device-level check: not used (no loop has a device schedule).</translation>
        </message>
        <message>
            <source>Device-level check along the cable, from each loop's device schedule: %1.</source>
            <translation>Device-level check along the cable, from each loop's device schedule: %1.</translation>
        </message>
        <message>
            <source>Cable Schedule</source>
            <translation>Cable Schedule</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Panel</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Cable type</translation>
        </message>
        <message>
            <source>Section (mm²)</source>
            <translation>Section (mm²)</translation>
        </message>
        <message>
            <source>Length (m)</source>
            <translation>Length (m)</translation>
        </message>
        <message>
            <source>Start lead (m)</source>
            <translation>Start lead (m)</translation>
        </message>
        <message>
            <source>End lead (m)</source>
            <translation>End lead (m)</translation>
        </message>
        <message>
            <source>Loop resistance (Ω)</source>
            <translation>Loop resistance (Ω)</translation>
        </message>
        <message>
            <source>Loop resistance: both conductors of the cable and the detectors that add resistance, weighted by the distribution and topology factors, as the voltage drop uses it.</source>
            <translation>Loop resistance: both conductors of the cable and the detectors that add resistance, weighted by the distribution and topology factors, as the voltage drop uses it.</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Limit</source>
            <translation>Limit</translation>
        </message>
        <message>
            <source>Maximum current</source>
            <translation>Maximum current</translation>
        </message>
        <message>
            <source>Verdict</source>
            <translation>Verdict</translation>
        </message>
        <message>
            <source>Output Currents</source>
            <translation>Output Currents</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>24 V auxiliary output</source>
            <translation>24 V auxiliary output</translation>
        </message>
        <message>
            <source>Sounder output 1</source>
            <translation>Sounder output 1</translation>
        </message>
        <message>
            <source>Sounder output 2</source>
            <translation>Sounder output 2</translation>
        </message>
        <message numerus="yes">
            <source>%1 takes at most %n loop(s)</source>
            <translation>
                <numerusform>%1 takes at most %n loop</numerusform>
                <numerusform>%1 takes at most %n loops</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>loop cards bring %1 to %n loop(s) at most</source>
            <translation>
                <numerusform>loop cards bring %1 to %n loop at most</numerusform>
                <numerusform>loop cards bring %1 to %n loops at most</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Panel "%1" of the file into %2: %3 of %n loop(s) imported.</source>
            <translation>
                <numerusform>Panel "%1" of the file into %2: %3 of %n loop imported.</numerusform>
                <numerusform>Panel "%1" of the file into %2: %3 of %n loops imported.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n device(s) of the imported loops have no match and are left out.</source>
            <translation>
                <numerusform>%n device of the imported loops has no match and is left out.</numerusform>
                <numerusform>%n devices of the imported loops have no match and are left out.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Loop %1 of the file (%n device(s))</source>
            <translation>
                <numerusform>Loop %1 of the file (%n device)</numerusform>
                <numerusform>Loop %1 of the file (%n devices)</numerusform>
            </translation>
        </message>
        <message>
            <source>Not imported</source>
            <translation>Not imported</translation>
        </message>
        <message>
            <source>Left out: %1</source>
            <translation>Left out: %1</translation>
        </message>
        <message>
            <source>%1 x %2</source>
            <translation>%1 x %2</translation>
        </message>
        <message numerus="yes">
            <source>%n module(s) over several addresses, each counted once (%1 devices of the file)</source>
            <translation>
                <numerusform>%n module over several addresses, counted once (%1 devices of the file)</numerusform>
                <numerusform>%n modules over several addresses, each counted once (%1 devices of the file)</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Left out: %n device(s) of type %1, extended type %2: no such device is imported</source>
            <translation>
                <numerusform>Left out: %n device of type %1, extended type %2: no such device is imported</numerusform>
                <numerusform>Left out: %n devices of type %1, extended type %2: no such device is imported</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Left out: %n device(s) of %1 / %2: the catalogue has no such device</source>
            <translation>
                <numerusform>Left out: %n device of %1 / %2: the catalogue has no such device</numerusform>
                <numerusform>Left out: %n devices of %1 / %2: the catalogue has no such device</numerusform>
            </translation>
        </message>
        <message>
            <source>Empty in the file</source>
            <translation>Empty in the file</translation>
        </message>
        <message>
            <source>Import summary</source>
            <translation>Import summary</translation>
        </message>
        <message>
            <source>In the file</source>
            <translation>In the file</translation>
        </message>
        <message>
            <source>In the design</source>
            <translation>In the design</translation>
        </message>
        <message>
            <source>Import</source>
            <translation>Import</translation>
        </message>
        <message>
            <source>%1 (continued)</source>
            <translation>%1 (continued)</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Choose...</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Clear</translation>
        </message>
        <message>
            <source>Comma separated values (*.csv)</source>
            <translation>Comma separated values (*.csv)</translation>
        </message>
        <message>
            <source>Compare with</source>
            <translation>Compare with</translation>
        </message>
        <message>
            <source>Compare with an Earlier Revision</source>
            <translation>Compare with an Earlier Revision</translation>
        </message>
        <message>
            <source>Device Schedule</source>
            <translation>Device Schedule</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</source>
            <translation>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</translation>
        </message>
        <message>
            <source>No earlier revision</source>
            <translation>No earlier revision</translation>
        </message>
        <message>
            <source>Voltage Profile</source>
            <translation>Voltage Profile</translation>
        </message>
    </context>
    <context>
        <name>HelpInfoWindow</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Title</translation>
        </message>
        <message>
            <source>Primary title:</source>
            <translation>Primary title:</translation>
        </message>
        <message>
            <source>Primary text</source>
            <translation>Primary text</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Notes:</translation>
        </message>
        <message>
            <source>Secondary text</source>
            <translation>Secondary text</translation>
        </message>
        <message>
            <source>image</source>
            <translation>image</translation>
        </message>
    </context>
    <context>
        <name>LoopWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Loop settings</source>
            <translation>Loop settings</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Cable type</translation>
        </message>
        <message>
            <source>4 mm2 (12 AWG)</source>
            <translation>4 mm2 (12 AWG)</translation>
        </message>
        <message>
            <source>2,5 mm2 (14 AWG)</source>
            <translation>2,5 mm2 (14 AWG)</translation>
        </message>
        <message>
            <source>1,5 mm2 (16 AWG)</source>
            <translation>1,5 mm2 (16 AWG)</translation>
        </message>
        <message>
            <source>1 mm2 (18 AWG)</source>
            <translation>1 mm2 (18 AWG)</translation>
        </message>
        <message>
            <source>0,75 mm2 (19 AWG)</source>
            <translation>0,75 mm2 (19 AWG)</translation>
        </message>
        <message>
            <source>0,5 mm2 (21 AWG)</source>
            <translation>0,5 mm2 (21 AWG)</translation>
        </message>
        <message>
            <source>Topology type</source>
            <translation>Topology type</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Class A</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Degraded mode</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Distribution factor</translation>
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
            <translation>Total length</translation>
        </message>
        <message>
            <source> m</source>
            <translation> m</translation>
        </message>
        <message>
            <source>Distance from start
to first device</source>
            <translation>Distance from start
to first device</translation>
        </message>
        <message>
            <source>Distance from end
to last device</source>
            <translation>Distance from end
to last device</translation>
        </message>
        <message>
            <source>Devices available</source>
            <translation>Devices available</translation>
        </message>
        <message>
            <source>Detailed view</source>
            <translation>Detailed view</translation>
        </message>
        <message>
            <source>Duplicate loop</source>
            <translation>Duplicate loop</translation>
        </message>
        <message>
            <source>Reset loop</source>
            <translation>Reset loop</translation>
        </message>
        <message>
            <source>Loop status</source>
            <translation>Loop status</translation>
        </message>
        <message>
            <source>Total addresses used</source>
            <translation>Total addresses used</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Voltage drop</translation>
        </message>
        <message>
            <source>Max voltage drop</source>
            <translation>Max voltage drop</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Idle current</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Alarm current</translation>
        </message>
        <message>
            <source>Max current</source>
            <translation>Max current</translation>
        </message>
        <message>
            <source>Total addresses exceed the maximum of </source>
            <translation>Total addresses exceed the maximum of </translation>
        </message>
        <message>
            <source>Recommendation: Reduce total addresses by removing devices, replacing them with devices that use fewer addresses or by splitting devices across multiple loops.</source>
            <translation>Recommendation: Reduce total addresses by removing devices, replacing them with devices that use fewer addresses or by splitting devices across multiple loops.</translation>
        </message>
        <message>
            <source>Voltage drop exceeds loop's maximum.</source>
            <translation>Voltage drop exceeds loop's maximum.</translation>
        </message>
        <message>
            <source>Recommendation: Increase cable section, increase distribution factor, decrease loop length, or redistribute devices to reduce voltage drop.</source>
            <translation>Recommendation: Increase cable section, increase distribution factor, decrease loop length, or redistribute devices to reduce voltage drop.</translation>
        </message>
        <message>
            <source>Alarm current exceeds loop's maximum.</source>
            <translation>Alarm current exceeds loop's maximum.</translation>
        </message>
        <message>
            <source>Recommendation: Reduce the number of devices or replace devices with lower idle/alarm current to lower total consumption.</source>
            <translation>Recommendation: Reduce the number of devices or replace devices with lower idle/alarm current to lower total consumption.</translation>
        </message>
        <message>
            <source>Recommendation: Consider changing these sounders to external PSU connection to reduce loop load: %1.</source>
            <translation>Recommendation: Consider changing these sounders to external PSU connection to reduce loop load: %1.</translation>
        </message>
        <message>
            <source>Loop setup OK.</source>
            <translation>Loop setup OK.</translation>
        </message>
        <message>
            <source>Beam detectors should be aligned one by one.</source>
            <translation>Beam detectors should be aligned one by one.</translation>
        </message>
        <message>
            <source>
Warning: using more than 20 beam detectors is highly discouraged.</source>
            <translation>
Warning: using more than 20 beam detectors is highly discouraged.</translation>
        </message>
        <message>
            <source>The following devices require a 24V external power source:
 - </source>
            <translation>The following devices require a 24V external power source:
 - </translation>
        </message>
        <message>
            <source>
Please note the panel has a port to provide 24V, as long as the max 0.500 A have not been reached</source>
            <translation>
Please note the panel has a port to provide 24V, as long as the max 0.500 A have not been reached</translation>
        </message>
        <message>
            <source>Idle current is below minimum. To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase idle current.</source>
            <translation>Idle current is below minimum. To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase idle current.</translation>
        </message>
        <message>
            <source>No information to note.</source>
            <translation>No information to note.</translation>
        </message>
        <message>
            <source>CRITICAL: Address limit exceeded. Current addresses: %1, Maximum allowed: %2. Reduce the number of devices or use multiple loops.</source>
            <translation>CRITICAL: Address limit exceeded. Current addresses: %1, Maximum allowed: %2. Reduce the number of devices or use multiple loops.</translation>
        </message>
        <message>
            <source>CRITICAL: Voltage drop exceeded. Current drop: %1 V, Maximum allowed: %2 V. Consider using higher cable section, reducing loop length, or redistributing devices.</source>
            <translation>CRITICAL: Voltage drop exceeded. Current drop: %1 V, Maximum allowed: %2 V. Consider using higher cable section, reducing loop length, or redistributing devices.</translation>
        </message>
        <message>
            <source>CRITICAL: Current consumption exceeded. Current consumption: %1 A, Maximum allowed: %2 A. Reduce device count or use devices with lower current consumption.</source>
            <translation>CRITICAL: Current consumption exceeded. Current consumption: %1 A, Maximum allowed: %2 A. Reduce device count or use devices with lower current consumption.</translation>
        </message>
        <message>
            <source> Consider changing these sounders to external PSU connection to reduce loop load: %1.</source>
            <translation> Consider changing these sounders to external PSU connection to reduce loop load: %1.</translation>
        </message>
        <message>
            <source>INSTALLATION NOTE: Beam detectors must be aligned individually during installation to ensure proper operation.</source>
            <translation>INSTALLATION NOTE: Beam detectors must be aligned individually during installation to ensure proper operation.</translation>
        </message>
        <message>
            <source> WARNING: Using more than 20 beam detectors (%1 configured) in a single loop is highly discouraged and may cause operational issues.</source>
            <translation> WARNING: Using more than 20 beam detectors (%1 configured) in a single loop is highly discouraged and may cause operational issues.</translation>
        </message>
        <message>
            <source>POWER REQUIREMENT: The following devices require external 24V power supply: %1.</source>
            <translation>POWER REQUIREMENT: The following devices require external 24V power supply: %1.</translation>
        </message>
        <message>
            <source> The panel provides a 24V output port with maximum capacity of 0.500 A. Ensure total external power consumption does not exceed this limit.</source>
            <translation> The panel provides a 24V output port with maximum capacity of 0.500 A. Ensure total external power consumption does not exceed this limit.</translation>
        </message>
        <message>
            <source>NOTE: The idle current (%1 A) is below the minimum required (%2 A). To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase the idle current.</source>
            <translation>NOTE: The idle current (%1 A) is below the minimum required (%2 A). To ensure correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase the idle current.</translation>
        </message>
        <message>
            <source>Class A if closed loop. Degraded mode if open loop.
Degraded mode is for testing purposes only, installation should always be made with Class A.</source>
            <translation>Class A if closed loop. Degraded mode if open loop.
Degraded mode is for testing purposes only, installation should always be made with Class A.</translation>
        </message>
        <message>
            <source>How equally spread the devices are.
The higher the value, the more equally spread the devices.
More detailed explanation in the Help &gt; Distribution Factor section.</source>
            <translation>How equally spread the devices are.
The higher the value, the more equally spread the devices.
More detailed explanation in the Help &gt; Distribution Factor section.</translation>
        </message>
        <message>
            <source>Distance to first device + distance to last device exceeds total loop length.</source>
            <translation>Distance to first device + distance to last device exceeds total loop length.</translation>
        </message>
        <message>
            <source>Reset Loop Values</source>
            <translation>Reset Loop Values</translation>
        </message>
        <message>
            <source>Are you sure you want to reset all loop values to default? This will remove all devices from the loop and reset all cable and topology settings.</source>
            <translation>Are you sure you want to reset all loop values to default? This will remove all devices from the loop and reset all cable and topology settings.</translation>
        </message>
        <message>
            <source>Filter devices (Ctrl+F)</source>
            <translation>Filter devices (Ctrl+F)</translation>
        </message>
        <message>
            <source>Shows the devices whose name, category or description contains every word typed. Esc clears the filter.</source>
            <translation>Shows the devices whose name, category or description contains every word typed. Esc clears the filter.</translation>
        </message>
        <message>
            <source>No device matches "%1".</source>
            <translation>No device matches "%1".</translation>
        </message>
        <message>
            <source>Quantity %1: Enter adds them, Esc cancels.</source>
            <translation>Quantity %1: Enter adds them, Esc cancels.</translation>
        </message>
        <message>
            <source>The largest voltage drop the loop's devices work with: %1 V, or %2 V while the panel's overboost is on.</source>
            <translation>The largest voltage drop the loop's devices work with: %1 V, or %2 V while the panel's overboost is on.</translation>
        </message>
        <message>
            <source>This panel has no overboost.</source>
            <translation>This panel has no overboost.</translation>
        </message>
        <message>
            <source>In Class A overboost comes on once the drop reaches %1 V.</source>
            <translation>In Class A overboost comes on once the drop reaches %1 V.</translation>
        </message>
        <message>
            <source>In degraded mode overboost comes on once the alarm current is above %1 A.</source>
            <translation>In degraded mode overboost comes on once the alarm current is above %1 A.</translation>
        </message>
        <message>
            <source>It is on for this loop.</source>
            <translation>It is on for this loop.</translation>
        </message>
        <message>
            <source>It is off for this loop.</source>
            <translation>It is off for this loop.</translation>
        </message>
        <message>
            <source>The panel's loop limit, %1 A: without devices the cable sets no limit.</source>
            <translation>The panel's loop limit, %1 A: without devices the cable sets no limit.</translation>
        </message>
        <message>
            <source>The lower of the current at which the cable reaches the maximum voltage drop (%1 A) and the panel's loop limit (%2 A): %3.</source>
            <translation>The lower of the current at which the cable reaches the maximum voltage drop (%1 A) and the panel's loop limit (%2 A): %3.</translation>
        </message>
        <message>
            <source>the cable</source>
            <translation>the cable</translation>
        </message>
        <message>
            <source>the panel</source>
            <translation>the panel</translation>
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
            <translation>Main panel</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Panel</translation>
        </message>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Import VXA XML</source>
            <translation>Import VXA XML</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Change language</source>
            <translation>Change language</translation>
        </message>
        <message>
            <source>New language</source>
            <translation>New language</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>Save as</source>
            <translation>Save as</translation>
        </message>
        <message>
            <source>Import VXA310 XML</source>
            <translation>Import VXA310 XML</translation>
        </message>
        <message>
            <source>Import VXA620 XML</source>
            <translation>Import VXA620 XML</translation>
        </message>
        <message>
            <source>Generate report</source>
            <translation>Generate report</translation>
        </message>
        <message>
            <source>Power sources</source>
            <translation>Power sources</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Distribution factor</translation>
        </message>
        <message>
            <source>User manual</source>
            <translation>User manual</translation>
        </message>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Import data pack</source>
            <translation>Import data pack</translation>
        </message>
        <message>
            <source>Functionalities disabled until a valid .tarvex data file is loaded.</source>
            <translation>Functionalities disabled until a valid .tarvex data file is loaded.</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to load data!
The saved data is missing or it has been corrupted or modified.

The application will not work until a new proper data file is loaded.</source>
            <translation>Failed to load data!
The saved data is missing or it has been corrupted or modified.

The application will not work until a new proper data file is loaded.</translation>
        </message>
        <message>
            <source>Main Panel</source>
            <translation>Main Panel</translation>
        </message>
        <message>
            <source>Select Data File</source>
            <translation>Select Data File</translation>
        </message>
        <message>
            <source>Tarvex Data Files (*.tarvex)</source>
            <translation>Tarvex Data Files (*.tarvex)</translation>
        </message>
        <message>
            <source>Failed to load new data!
The input file may not have the correct format or it may be corrupted.</source>
            <translation>Failed to load new data!
The input file may not have the correct format or it may be corrupted.</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>New data loaded successfully!</source>
            <translation>New data loaded successfully!</translation>
        </message>
        <message>
            <source>Internal error happened.
Try again. If the problem persists after restarting the application, contact support.</source>
            <translation>Internal error happened.
Try again. If the problem persists after restarting the application, contact support.</translation>
        </message>
        <message>
            <source>Export Setup</source>
            <translation>Export Setup</translation>
        </message>
        <message>
            <source>Comma separated values (*.csv)</source>
            <translation>Comma separated values (*.csv)</translation>
        </message>
        <message>
            <source>Failed to open file for writing.
If overwriting an existing file, make sure it is not open by another process.</source>
            <translation>Failed to open file for writing.
If overwriting an existing file, make sure it is not open by another process.</translation>
        </message>
        <message>
            <source>Setup exported successfully!</source>
            <translation>Setup exported successfully!</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>The current setup will be overwritten.
Are you sure you want to continue?</source>
            <translation>The current setup will be overwritten.
Are you sure you want to continue?</translation>
        </message>
        <message>
            <source>Import Setup</source>
            <translation>Import Setup</translation>
        </message>
        <message>
            <source>Failed to import setup.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.
</source>
            <translation>Failed to import setup.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.
</translation>
        </message>
        <message>
            <source>Setup imported successfully!</source>
            <translation>Setup imported successfully!</translation>
        </message>
        <message>
            <source>Import from VXA310 XML</source>
            <translation>Import from VXA310 XML</translation>
        </message>
        <message>
            <source>Import from VXA620 XML</source>
            <translation>Import from VXA620 XML</translation>
        </message>
        <message>
            <source>XML files (*.xml)</source>
            <translation>XML files (*.xml)</translation>
        </message>
        <message>
            <source>VXA310 XML</source>
            <translation>VXA310 XML</translation>
        </message>
        <message>
            <source>VXA620 XML</source>
            <translation>VXA620 XML</translation>
        </message>
        <message>
            <source>Failed to import %1.
The file may not have the correct format, it may be corrupted or may not contain compatible device configuration.</source>
            <translation>Failed to import %1.
The file may not have the correct format, it may be corrupted or may not contain compatible device configuration.</translation>
        </message>
        <message>
            <source>VXA310 XML imported successfully!</source>
            <translation>VXA310 XML imported successfully!</translation>
        </message>
        <message>
            <source>VXA620 XML imported successfully!</source>
            <translation>VXA620 XML imported successfully!</translation>
        </message>
        <message>
            <source>Generate Report</source>
            <translation>Generate Report</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF files (*.pdf)</translation>
        </message>
        <message>
            <source>Failed to generate report.
If overwriting an existing file, make sure the file is not open by another process.</source>
            <translation>Failed to generate report.
If overwriting an existing file, make sure the file is not open by another process.</translation>
        </message>
        <message>
            <source>Report generated successfully!</source>
            <translation>Report generated successfully!</translation>
        </message>
        <message>
            <source>Failed to load language file.
Make sure the file exists and is valid.</source>
            <translation>Failed to load language file.
Make sure the file exists and is valid.</translation>
        </message>
        <message>
            <source>Select Language File</source>
            <translation>Select Language File</translation>
        </message>
        <message>
            <source>Translation files (*.qm)</source>
            <translation>Translation files (*.qm)</translation>
        </message>
        <message>
            <source>That language file already exists.
Do you want to overwrite it?</source>
            <translation>That language file already exists.
Do you want to overwrite it?</translation>
        </message>
        <message>
            <source>Failed to copy the language file.
Make sure the file is valid and not open by another process.</source>
            <translation>Failed to copy the language file.
Make sure the file is valid and not open by another process.</translation>
        </message>
        <message>
            <source>Language file loaded successfully!
You can now select it from the language combo box.</source>
            <translation>Language file loaded successfully!
You can now select it from the language combo box.</translation>
        </message>
        <message>
            <source>Another data pack installation is running.
Try again when it has finished; nothing was changed.</source>
            <translation>Another data pack installation is running.
Try again when it has finished; nothing was changed.</translation>
        </message>
        <message numerus="yes">
            <source>... and %n more</source>
            <translation>
                <numerusform>... and %n more</numerusform>
                <numerusform>... and %n more</numerusform>
            </translation>
        </message>
        <message>
            <source>Values adjusted</source>
            <translation>Values adjusted</translation>
        </message>
        <message>
            <source>The file holds values the editors cannot show as they are. They were adjusted:

%1</source>
            <translation>The file holds values the editors cannot show as they are. They were adjusted:

%1</translation>
        </message>
        <message>
            <source>Recent files</source>
            <translation>Recent files</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Edit</translation>
        </message>
        <message>
            <source>New</source>
            <translation>New</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quit</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>Saved %1</source>
            <translation>Saved %1</translation>
        </message>
        <message>
            <source>Save changes to %1?</source>
            <translation>Save changes to %1?</translation>
        </message>
        <message>
            <source>The unsaved design of an earlier session could not be read back.
It has been set aside as %1.</source>
            <translation>The unsaved design of an earlier session could not be read back.
It has been set aside as %1.</translation>
        </message>
        <message>
            <source>Restore the unsaved design from %1?</source>
            <translation>Restore the unsaved design from %1?</translation>
        </message>
        <message>
            <source>Restored the unsaved design from %1.</source>
            <translation>Restored the unsaved design from %1.</translation>
        </message>
        <message>
            <source>%1 no longer exists.
It has been removed from the recent files.</source>
            <translation>%1 no longer exists.
It has been removed from the recent files.</translation>
        </message>
        <message>
            <source>Opened %1</source>
            <translation>Opened %1</translation>
        </message>
        <message>
            <source>No recent files</source>
            <translation>No recent files</translation>
        </message>
        <message>
            <source>Clear recent files</source>
            <translation>Clear recent files</translation>
        </message>
        <message>
            <source>Untitled</source>
            <translation>Untitled</translation>
        </message>
        <message>
            <source>%1[*] - %2</source>
            <translation>%1[*] - %2</translation>
        </message>
        <message>
            <source>battery %1</source>
            <translation>battery %1</translation>
        </message>
        <message>
            <source>cards %1</source>
            <translation>cards %1</translation>
        </message>
        <message>
            <source>external power %1</source>
            <translation>external power %1</translation>
        </message>
        <message>
            <source>loops %1</source>
            <translation>loops %1</translation>
        </message>
        <message>
            <source>expansion boxes %1 with their loops</source>
            <translation>expansion boxes %1 with their loops</translation>
        </message>
        <message>
            <source>Panel changed to %1; removed %2. %3 brings them back.</source>
            <translation>Panel changed to %1; removed %2. %3 brings them back.</translation>
        </message>
        <message>
            <source>Compare with...</source>
            <translation>Compare with...</translation>
        </message>
        <message>
            <source>Compare with</source>
            <translation>Compare with</translation>
        </message>
        <message>
            <source>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</source>
            <translation>Failed to read the design to compare with.
The file may not have the correct format, it may be corrupted or it may be from a newer version of the application.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Project...</source>
            <translation>Project...</translation>
        </message>
        <message>
            <source>Workbook (XLSX)...</source>
            <translation>Workbook (XLSX)...</translation>
        </message>
        <message>
            <source>Bill of materials (CSV)...</source>
            <translation>Bill of materials (CSV)...</translation>
        </message>
        <message>
            <source>Device schedule (CSV)...</source>
            <translation>Device schedule (CSV)...</translation>
        </message>
        <message>
            <source>Cable schedule (CSV)...</source>
            <translation>Cable schedule (CSV)...</translation>
        </message>
        <message>
            <source>Failed to change the language.
The current setup could not be kept.</source>
            <translation>Failed to change the language.
The current setup could not be kept.</translation>
        </message>
        <message>
            <source>The data pack could not be installed:
%1
Nothing was changed.</source>
            <translation>The data pack could not be installed:
%1
Nothing was changed.</translation>
        </message>
        <message>
            <source>The language file %1 could not be loaded; the program runs in English.</source>
            <translation>The language file %1 could not be loaded; the program runs in English.</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>Another Kalvix keeps its copy of unsaved work in the usual place; this one keeps its own in %1.</source>
            <translation>Another Kalvix keeps its copy of unsaved work in the usual place; this one keeps its own in %1.</translation>
        </message>
        <message>
            <source>Untitled (imported from %1)</source>
            <translation>Untitled (imported from %1)</translation>
        </message>
        <message>
            <source>Show all messages again</source>
            <translation>Show all messages again</translation>
        </message>
        <message>
            <source>Messages silenced with "Do not show this again" will show again.</source>
            <translation>Messages silenced with "Do not show this again" will show again.</translation>
        </message>
        <message>
            <source>Welcome</source>
            <translation>Welcome</translation>
        </message>
    </context>
    <context>
        <name>ManualWindow</name>
        <message>
            <source>User manual</source>
            <translation>User manual</translation>
        </message>
        <message>
            <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Manual unavailable&lt;/h1&gt;&lt;p&gt;The bundled manual could not be loaded.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
            <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Manual unavailable&lt;/h1&gt;&lt;p&gt;The bundled manual could not be loaded.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
        </message>
    </context>
    <context>
        <name>PanelWidget</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Reset panel</source>
            <translation>Reset panel</translation>
        </message>
        <message>
            <source>System general</source>
            <translation>System general</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Panel</translation>
        </message>
        <message>
            <source>Battery</source>
            <translation>Battery</translation>
        </message>
        <message>
            <source>Panel outputs</source>
            <translation>Panel outputs</translation>
        </message>
        <message>
            <source>Idle Current</source>
            <translation>Idle Current</translation>
        </message>
        <message>
            <source>Alarm Current</source>
            <translation>Alarm Current</translation>
        </message>
        <message>
            <source>Auxiliary 24 V</source>
            <translation>Auxiliary 24 V</translation>
        </message>
        <message>
            <source>Sounder 1</source>
            <translation>Sounder 1</translation>
        </message>
        <message>
            <source>Sounder 2</source>
            <translation>Sounder 2</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Auxiliary cards</translation>
        </message>
        <message>
            <source>Installed?</source>
            <translation>Installed?</translation>
        </message>
        <message>
            <source>Card's name</source>
            <translation>Card's name</translation>
        </message>
        <message>
            <source>External power sources</source>
            <translation>External power sources</translation>
        </message>
        <message>
            <source>External power source 1</source>
            <translation>External power source 1</translation>
        </message>
        <message>
            <source>Additional battery 1</source>
            <translation>Additional battery 1</translation>
        </message>
        <message>
            <source>External power source 2</source>
            <translation>External power source 2</translation>
        </message>
        <message>
            <source>Additional battery 2</source>
            <translation>Additional battery 2</translation>
        </message>
        <message>
            <source>Expansion boxes</source>
            <translation>Expansion boxes</translation>
        </message>
        <message>
            <source>Add expansion box</source>
            <translation>Add expansion box</translation>
        </message>
        <message>
            <source>Advanced settings</source>
            <translation>Advanced settings</translation>
        </message>
        <message>
            <source>Battery degradation</source>
            <translation>Battery degradation</translation>
        </message>
        <message>
            <source>Max sounders active</source>
            <translation>Max sounders active</translation>
        </message>
        <message>
            <source>Battery autonomy</source>
            <translation>Battery autonomy</translation>
        </message>
        <message>
            <source>Idle time</source>
            <translation>Idle time</translation>
        </message>
        <message>
            <source>Alarm time</source>
            <translation>Alarm time</translation>
        </message>
        <message>
            <source>Minimum battery required</source>
            <translation>Minimum battery required</translation>
        </message>
        <message>
            <source>0.00 Ah</source>
            <translation>0.00 Ah</translation>
        </message>
        <message>
            <source>Selected total battery</source>
            <translation>Selected total battery</translation>
        </message>
        <message>
            <source>Total system power load:</source>
            <translation>Total system power load:</translation>
        </message>
        <message>
            <source>Total system
idle current</source>
            <translation>Total system
idle current</translation>
        </message>
        <message>
            <source>0.0000000 A</source>
            <translation>0.0000000 A</translation>
        </message>
        <message>
            <source>Total system
alarm current</source>
            <translation>Total system
alarm current</translation>
        </message>
        <message>
            <source>Individual loops</source>
            <translation>Individual loops</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Loop</translation>
        </message>
        <message>
            <source>Loop's idle current</source>
            <translation>Loop's idle current</translation>
        </message>
        <message>
            <source>Loop's alarm current</source>
            <translation>Loop's alarm current</translation>
        </message>
        <message>
            <source>The selected external power source 1 (</source>
            <translation>The selected external power source 1 (</translation>
        </message>
        <message>
            <source>The selected external power source 2 (</source>
            <translation>The selected external power source 2 (</translation>
        </message>
        <message>
            <source>) does not fit the selected additional battery 1 (</source>
            <translation>) does not fit the selected additional battery 1 (</translation>
        </message>
        <message>
            <source>) does not fit the selected additional battery 2 (</source>
            <translation>) does not fit the selected additional battery 2 (</translation>
        </message>
        <message>
            <source>).</source>
            <translation>).</translation>
        </message>
        <message>
            <source>
Additional battery will have to be kept outside the external power source box.</source>
            <translation>
Additional battery will have to be kept outside the external power source box.</translation>
        </message>
        <message>
            <source>
Recommended external battery boxes to fit the battery:
 - </source>
            <translation>
Recommended external battery boxes to fit the battery:
 - </translation>
        </message>
        <message>
            <source>COMPATIBILITY WARNING: External Power Source 1 (%1, %2 Ah capacity) cannot accommodate Additional Battery 1 (%3, %4 Ah capacity).</source>
            <translation>COMPATIBILITY WARNING: External Power Source 1 (%1, %2 Ah capacity) cannot accommodate Additional Battery 1 (%3, %4 Ah capacity).</translation>
        </message>
        <message>
            <source>COMPATIBILITY WARNING: External Power Source 2 (%1, %2 Ah capacity) cannot accommodate Additional Battery 2 (%3, %4 Ah capacity).</source>
            <translation>COMPATIBILITY WARNING: External Power Source 2 (%1, %2 Ah capacity) cannot accommodate Additional Battery 2 (%3, %4 Ah capacity).</translation>
        </message>
        <message>
            <source>
INSTALLATION NOTE: The additional battery will need to be installed outside the external power source enclosure.</source>
            <translation>
INSTALLATION NOTE: The additional battery will need to be installed outside the external power source enclosure.</translation>
        </message>
        <message>
            <source>%1 (%2 Ah)</source>
            <translation>%1 (%2 Ah)</translation>
        </message>
        <message>
            <source>
RECOMMENDATION: Consider using one of the following compatible external battery boxes: %1.</source>
            <translation>
RECOMMENDATION: Consider using one of the following compatible external battery boxes: %1.</translation>
        </message>
        <message>
            <source>System needs at least one battery (either internal or external).</source>
            <translation>System needs at least one battery (either internal or external).</translation>
        </message>
        <message>
            <source>Total battery of the setup does not reach the wanted autonomy.</source>
            <translation>Total battery of the setup does not reach the wanted autonomy.</translation>
        </message>
        <message>
            <source>Recommendation: Install a suitably sized internal or external battery (larger capacity), consider replacing with a newer battery to reduce degradation, add an external power source, reduce the target autonomy times, or reduce overall system current consumption.</source>
            <translation>Recommendation: Install a suitably sized internal or external battery (larger capacity), consider replacing with a newer battery to reduce degradation, add an external power source, reduce the target autonomy times, or reduce overall system current consumption.</translation>
        </message>
        <message>
            <source>Battery autonomy OK.</source>
            <translation>Battery autonomy OK.</translation>
        </message>
        <message>
            <source>Please note the current selected idle time does not follow EN 54.</source>
            <translation>Please note the current selected idle time does not follow EN 54.</translation>
        </message>
        <message>
            <source>No loops available. Install VRAL cards to add loops to the panel.</source>
            <translation>No loops available. Install VRAL cards to add loops to the panel.</translation>
        </message>
        <message>
            <source>System current is higher than the one supported by the panel.</source>
            <translation>System current is higher than the one supported by the panel.</translation>
        </message>
        <message>
            <source>Recommendation: Reduce overall current consumption by removing or replacing devices in loops, removing or replacing auxiliary cards, or lowering panel output currents. Alternatively consider using a panel with a higher current rating.</source>
            <translation>Recommendation: Reduce overall current consumption by removing or replacing devices in loops, removing or replacing auxiliary cards, or lowering panel output currents. Alternatively consider using a panel with a higher current rating.</translation>
        </message>
        <message>
            <source>System's power load OK.</source>
            <translation>System's power load OK.</translation>
        </message>
        <message>
            <source>

INFO: %1 more loop(s) available. You can install %2 more VRAL card(s) to expand the system.</source>
            <translation>

INFO: %1 more loop(s) available. You can install %2 more VRAL card(s) to expand the system.</translation>
        </message>
        <message>
            <source>To use external power sources, install the ORN-PSLINK auxiliary card.</source>
            <translation>To use external power sources, install the ORN-PSLINK auxiliary card.</translation>
        </message>
        <message>
            <source>No external power sources information to note.</source>
            <translation>No external power sources information to note.</translation>
        </message>
        <message>
            <source>CRITICAL: No battery configuration detected. The system requires at least one battery (internal or external) to provide standby power during mains failure.</source>
            <translation>CRITICAL: No battery configuration detected. The system requires at least one battery (internal or external) to provide standby power during mains failure.</translation>
        </message>
        <message>
            <source>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity: %2 Ah. The system will not meet the specified autonomy requirements.</source>
            <translation>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity: %2 Ah. The system will not meet the specified autonomy requirements.</translation>
        </message>
        <message>
            <source>CRITICAL: Power consumption exceeds panel capacity. System alarm current: %1 A, Panel maximum capacity: %2 A. This configuration may cause system malfunction or damage.</source>
            <translation>CRITICAL: Power consumption exceeds panel capacity. System alarm current: %1 A, Panel maximum capacity: %2 A. This configuration may cause system malfunction or damage.</translation>
        </message>
        <message>
            <source>COMPLIANCE NOTE: The selected idle time (%1) does not comply with EN 54 standard requirements. Standard compliant options are: %2.</source>
            <translation>COMPLIANCE NOTE: The selected idle time (%1) does not comply with EN 54 standard requirements. Standard compliant options are: %2.</translation>
        </message>
        <message>
            <source>INSTALLATION NOTE: External power sources are not available with the current configuration. To enable external power sources, install the ORN-PSLINK auxiliary card.</source>
            <translation>INSTALLATION NOTE: External power sources are not available with the current configuration. To enable external power sources, install the ORN-PSLINK auxiliary card.</translation>
        </message>
        <message>
            <source>Percentage of battery capacity no longer available.
The older the battery, the more degraded it becomes and the less actual capacity it has.</source>
            <translation>Percentage of battery capacity no longer available.
The older the battery, the more degraded it becomes and the less actual capacity it has.</translation>
        </message>
        <message>
            <source>Percentage of sounders that are estimated to be active at the same time.
Please note that under certain circumstances, such as an evacuation protocol, ALL sounders should be active.</source>
            <translation>Percentage of sounders that are estimated to be active at the same time.
Please note that under certain circumstances, such as an evacuation protocol, ALL sounders should be active.</translation>
        </message>
        <message>
            <source>No internal battery</source>
            <translation>No internal battery</translation>
        </message>
        <message>
            <source>No additional battery</source>
            <translation>No additional battery</translation>
        </message>
        <message>
            <source>No external power source</source>
            <translation>No external power source</translation>
        </message>
        <message>
            <source>ZEP card already inserted.
To insert a new one, please remove the old one first.</source>
            <translation>ZEP card already inserted.
To insert a new one, please remove the old one first.</translation>
        </message>
        <message>
            <source>Loop </source>
            <translation>Loop </translation>
        </message>
        <message>
            <source>Add expansion box (%1/%2)</source>
            <translation>Add expansion box (%1/%2)</translation>
        </message>
        <message>
            <source>Remove</source>
            <translation>Remove</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>FAULT</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>No compatible expansion boxes available for this panel.</source>
            <translation>No compatible expansion boxes available for this panel.</translation>
        </message>
        <message>
            <source>Select Expansion Box</source>
            <translation>Select Expansion Box</translation>
        </message>
        <message>
            <source>Select an expansion box:</source>
            <translation>Select an expansion box:</translation>
        </message>
        <message>
            <source>Value too high!
Limited to 0.5000 A by the fuse.</source>
            <translation>Value too high!
Limited to 0.5000 A by the fuse.</translation>
        </message>
        <message>
            <source>Alarm value adjusted to match idle current.</source>
            <translation>Alarm value adjusted to match idle current.</translation>
        </message>
        <message>
            <source>Idle value adjusted to match alarm current.</source>
            <translation>Idle value adjusted to match alarm current.</translation>
        </message>
        <message>
            <source>Are you sure you want to reset all panel values to default? This will restore battery settings, auxiliary cards, and external power source configurations.
Loop and expansion box configurations will remain unchanged and can be reset separately if needed.</source>
            <translation>Are you sure you want to reset all panel values to default? This will restore battery settings, auxiliary cards, and external power source configurations.
Loop and expansion box configurations will remain unchanged and can be reset separately if needed.</translation>
        </message>
        <message>
            <source>Reset Panel Values</source>
            <translation>Reset Panel Values</translation>
        </message>
        <message>
            <source>Install ORN-PSLINK auxiliary card to add external power sources.</source>
            <translation>Install ORN-PSLINK auxiliary card to add external power sources.</translation>
        </message>
        <message>
            <source>Select an external power source to enable this battery.</source>
            <translation>Select an external power source to enable this battery.</translation>
        </message>
        <message>
            <source>Total battery of the setup does not reach the capacity %1 requires.</source>
            <translation>Total battery of the setup does not reach the capacity %1 requires.</translation>
        </message>
        <message>
            <source>Battery autonomy OK by %1.</source>
            <translation>Battery autonomy OK by %1.</translation>
        </message>
        <message>
            <source>Recommendation: %1</source>
            <translation>Recommendation: %1</translation>
        </message>
        <message>
            <source>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity by %3: %2 Ah. The system will not meet the specified autonomy requirements.</source>
            <translation>WARNING: Insufficient battery capacity. Current capacity: %1 Ah, Required capacity by %3: %2 Ah. The system will not meet the specified autonomy requirements.</translation>
        </message>
        <message>
            <source>COMPLIANCE NOTE: %1</source>
            <translation>COMPLIANCE NOTE: %1</translation>
        </message>
        <message>
            <source>Loop %1 and its devices</source>
            <translation>Loop %1 and its devices</translation>
        </message>
        <message>
            <source>Loops %1 to %2 and their devices</source>
            <translation>Loops %1 to %2 and their devices</translation>
        </message>
        <message>
            <source>Auxiliary cards: %1</source>
            <translation>Auxiliary cards: %1</translation>
        </message>
        <message>
            <source>External power: %1</source>
            <translation>External power: %1</translation>
        </message>
        <message>
            <source>Expansion boxes: %1, with their loops</source>
            <translation>Expansion boxes: %1, with their loops</translation>
        </message>
        <message>
            <source>Changing the panel to %1 removes:

%2

Cancel keeps everything as it is.</source>
            <translation>Changing the panel to %1 removes:

%2

Cancel keeps everything as it is.</translation>
        </message>
        <message>
            <source>Change panel</source>
            <translation>Change panel</translation>
        </message>
        <message>
            <source>Loop %1 on its own: %2 A idle, %3 A in alarm.
The panel counts a loop's currents multiplied by 55/36: its loop output draws that much more.</source>
            <translation>Loop %1 on its own: %2 A idle, %3 A in alarm.
The panel counts a loop's currents multiplied by 55/36: its loop output draws that much more.</translation>
        </message>
        <message>
            <source>This panel model takes no expansion boxes.</source>
            <translation>This panel model takes no expansion boxes.</translation>
        </message>
        <message>
            <source>This panel model takes at most %1 expansion box(es).</source>
            <translation>This panel model takes at most %1 expansion box(es).</translation>
        </message>
    </context>
    <context>
        <name>PowerSources</name>
        <message>
            <source>Power Sources</source>
            <translation>Power Sources</translation>
        </message>
        <message>
            <source>External Power Sources</source>
            <translation>External Power Sources</translation>
        </message>
        <message>
            <source>Compatibility list:</source>
            <translation>Compatibility list:</translation>
        </message>
        <message>
            <source>Above are indicated the batteries that can be used in each power supply and external battery box.</source>
            <translation>Above are indicated the batteries that can be used in each power supply and external battery box.</translation>
        </message>
        <message>
            <source>The KSP900 EN power supply differences from the others are:
 - It has a total of 3 outputs, whereas the others have only 1 output, so both outputs could be connected to the ORN-PSLINK card.
 - It only works with european mains, and not with the american one as the others do.</source>
            <translation>The KSP900 EN power supply differences from the others are:
 - It has a total of 3 outputs, whereas the others have only 1 output, so both outputs could be connected to the ORN-PSLINK card.
 - It only works with european mains, and not with the american one as the others do.</translation>
        </message>
        <message>
            <source>The picture shows the common way of connecting 2 power supplies.
For other combinations check the installation manuals of the ORN-PSLINK card.</source>
            <translation>The picture shows the common way of connecting 2 power supplies.
For other combinations check the installation manuals of the ORN-PSLINK card.</translation>
        </message>
        <message>
            <source>Even though the BQR3105-E power supply is also in the catalog, it is not appropiate for the system as it delivers less current than the internal power supply of the panel.</source>
            <translation>Even though the BQR3105-E power supply is also in the catalog, it is not appropiate for the system as it delivers less current than the internal power supply of the panel.</translation>
        </message>
        <message>
            <source>Notes:</source>
            <translation>Notes:</translation>
        </message>
        <message>
            <source>:/resources/icons/power_sources.png</source>
            <extracomment>Resource path of the illustration: a translation names the picture with its labels in that language.</extracomment>
            <translation>:/resources/icons/power_sources.png</translation>
        </message>
    </context>
    <context>
        <name>QFileDialog</name>
        <message>
            <source>Look in:</source>
            <translation>Look in:</translation>
        </message>
        <message>
            <source>File &amp;name:</source>
            <translation>File &amp;name:</translation>
        </message>
        <message>
            <source>Files of type:</source>
            <translation>Files of type:</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Open</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Save</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Forward</translation>
        </message>
        <message>
            <source>Parent Directory</source>
            <translation>Parent Directory</translation>
        </message>
        <message>
            <source>Create New Folder</source>
            <translation>Create New Folder</translation>
        </message>
        <message>
            <source>List View</source>
            <translation>List View</translation>
        </message>
        <message>
            <source>Detail View</source>
            <translation>Detail View</translation>
        </message>
        <message>
            <source>Folder</source>
            <comment>All other platforms</comment>
            <translation>Folder</translation>
        </message>
        <message>
            <source>File</source>
            <comment>All other platforms</comment>
            <translation>File</translation>
        </message>
        <message>
            <source>%1 File</source>
            <comment>%1 is a file name suffix, for example txt</comment>
            <translation>%1 File</translation>
        </message>
    </context>
    <context>
        <name>QFileSystemModel</name>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>Type</source>
            <comment>All other platforms</comment>
            <translation>Type</translation>
        </message>
        <message>
            <source>Date Modified</source>
            <translation>Date Modified</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
    </context>
    <context>
        <name>QPlatformTheme</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Yes</translation>
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
            <translation>%1: %2 %3 shown as %4</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Loop %1</translation>
        </message>
        <message>
            <source>%1, loop %2</source>
            <translation>%1, loop %2</translation>
        </message>
        <message>
            <source>%1: left out</source>
            <translation>%1: left out</translation>
        </message>
        <message>
            <source>%1 quantity</source>
            <translation>%1 quantity</translation>
        </message>
        <message>
            <source>Panel</source>
            <translation>Panel</translation>
        </message>
        <message>
            <source>Expansion box %1</source>
            <translation>Expansion box %1</translation>
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
            <translation>Panel</translation>
        </message>
        <message>
            <source>Expansion Box</source>
            <translation>Expansion Box</translation>
        </message>
        <message>
            <source>Loop </source>
            <translation>Loop </translation>
        </message>
        <message>
            <source>No Target Loops</source>
            <translation>No Target Loops</translation>
        </message>
        <message>
            <source>There are no other existing loops available to copy into.</source>
            <translation>There are no other existing loops available to copy into.</translation>
        </message>
        <message>
            <source>Loop Duplicated</source>
            <translation>Loop Duplicated</translation>
        </message>
        <message>
            <source>Loop duplication successful!</source>
            <translation>Loop duplication successful!</translation>
        </message>
        <message>
            <source>Duplicate Loop</source>
            <translation>Duplicate Loop</translation>
        </message>
        <message>
            <source>Select the target loops for Loop %1:</source>
            <translation>Select the target loops for Loop %1:</translation>
        </message>
        <message>
            <source>WARNING: selected loops will be overwritten.</source>
            <translation>WARNING: selected loops will be overwritten.</translation>
        </message>
        <message>
            <source>Loop %1</source>
            <translation>Loop %1</translation>
        </message>
        <message>
            <source>No Loop Selected</source>
            <translation>No Loop Selected</translation>
        </message>
        <message>
            <source>Please select at least one target loop.</source>
            <translation>Please select at least one target loop.</translation>
        </message>
        <message>
            <source>Loop %1 in fault</source>
            <translation>Loop %1 in fault</translation>
        </message>
    </context>
    <context>
        <name>ComparisonView</name>
        <message>
            <source>No changes since %1.</source>
            <translation>No changes since %1.</translation>
        </message>
        <message>
            <source>%1 change(s) since %2; %3 verdict(s) moved.</source>
            <translation>%1 change(s) since %2; %3 verdict(s) moved.</translation>
        </message>
        <message>
            <source>Activate to show it.</source>
            <translation>Activate to show it.</translation>
        </message>
        <message>
            <source>Compare with %1</source>
            <translation>Compare with %1</translation>
        </message>
    </context>
    <context>
        <name>DesignComparison</name>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Internal battery</source>
            <translation>Internal battery</translation>
        </message>
        <message>
            <source>Auxiliary 24V alarm current</source>
            <translation>Auxiliary 24V alarm current</translation>
        </message>
        <message>
            <source>Auxiliary 24V idle current</source>
            <translation>Auxiliary 24V idle current</translation>
        </message>
        <message>
            <source>Sounder 1 alarm current</source>
            <translation>Sounder 1 alarm current</translation>
        </message>
        <message>
            <source>Sounder 1 idle current</source>
            <translation>Sounder 1 idle current</translation>
        </message>
        <message>
            <source>Sounder 2 alarm current</source>
            <translation>Sounder 2 alarm current</translation>
        </message>
        <message>
            <source>Sounder 2 idle current</source>
            <translation>Sounder 2 idle current</translation>
        </message>
        <message>
            <source>Auxiliary cards</source>
            <translation>Auxiliary cards</translation>
        </message>
        <message>
            <source>External power source 1</source>
            <translation>External power source 1</translation>
        </message>
        <message>
            <source>Additional battery 1</source>
            <translation>Additional battery 1</translation>
        </message>
        <message>
            <source>External power source 2</source>
            <translation>External power source 2</translation>
        </message>
        <message>
            <source>Additional battery 2</source>
            <translation>Additional battery 2</translation>
        </message>
        <message>
            <source>Battery degradation</source>
            <translation>Battery degradation</translation>
        </message>
        <message>
            <source>Max sounders active</source>
            <translation>Max sounders active</translation>
        </message>
        <message>
            <source>Idle time</source>
            <translation>Idle time</translation>
        </message>
        <message>
            <source>Alarm time</source>
            <translation>Alarm time</translation>
        </message>
        <message>
            <source>Battery method</source>
            <translation>Battery method</translation>
        </message>
        <message>
            <source>Cable type</source>
            <translation>Cable type</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topology</translation>
        </message>
        <message>
            <source>Distribution factor</source>
            <translation>Distribution factor</translation>
        </message>
        <message>
            <source>Loop length</source>
            <translation>Loop length</translation>
        </message>
        <message>
            <source>Start distance</source>
            <translation>Start distance</translation>
        </message>
        <message>
            <source>End distance</source>
            <translation>End distance</translation>
        </message>
        <message>
            <source>Battery autonomy</source>
            <translation>Battery autonomy</translation>
        </message>
        <message>
            <source>Power load</source>
            <translation>Power load</translation>
        </message>
        <message>
            <source>Loop current</source>
            <translation>Loop current</translation>
        </message>
        <message>
            <source>Total idle current</source>
            <translation>Total idle current</translation>
        </message>
        <message>
            <source>Total alarm current</source>
            <translation>Total alarm current</translation>
        </message>
        <message>
            <source>Minimum battery required</source>
            <translation>Minimum battery required</translation>
        </message>
        <message>
            <source>Selected total battery</source>
            <translation>Selected total battery</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Addresses</translation>
        </message>
        <message>
            <source>Idle current</source>
            <translation>Idle current</translation>
        </message>
        <message>
            <source>Alarm current</source>
            <translation>Alarm current</translation>
        </message>
        <message>
            <source>Voltage drop</source>
            <translation>Voltage drop</translation>
        </message>
        <message>
            <source>Maximum voltage drop</source>
            <translation>Maximum voltage drop</translation>
        </message>
        <message>
            <source>Maximum current</source>
            <translation>Maximum current</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Project reference</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revision</translation>
        </message>
        <message>
            <source>Facility</source>
            <translation>Facility</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Installer</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Prepared by</translation>
        </message>
        <message>
            <source>Checked by</source>
            <translation>Checked by</translation>
        </message>
        <message>
            <source>Date of issue</source>
            <translation>Date of issue</translation>
        </message>
        <message>
            <source>at %1 m, address %2</source>
            <translation>at %1 m, address %2</translation>
        </message>
        <message>
            <source>, zone %1</source>
            <translation>, zone %1</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>Project information</source>
            <translation>Project information</translation>
        </message>
        <message>
            <source>Main panel</source>
            <translation>Main panel</translation>
        </message>
        <message>
            <source>Expansion box %1</source>
            <translation>Expansion box %1</translation>
        </message>
        <message>
            <source>%1, loop %2</source>
            <translation>%1, loop %2</translation>
        </message>
        <message>
            <source>Revision %1</source>
            <translation>Revision %1</translation>
        </message>
        <message>
            <source>Address count</source>
            <translation>Address count</translation>
        </message>
        <message>
            <source>%1: %2 -&gt; %3</source>
            <translation>%1: %2 -&gt; %3</translation>
        </message>
        <message>
            <source>Expansion box %1 added</source>
            <translation>Expansion box %1 added</translation>
        </message>
        <message>
            <source>Expansion box %1 removed</source>
            <translation>Expansion box %1 removed</translation>
        </message>
        <message>
            <source>Loop %1 added (%2 device types)</source>
            <translation>Loop %1 added (%2 device types)</translation>
        </message>
        <message>
            <source>Loop %1 removed (%2 device types)</source>
            <translation>Loop %1 removed (%2 device types)</translation>
        </message>
        <message>
            <source>%1 added, quantity %2</source>
            <translation>%1 added, quantity %2</translation>
        </message>
        <message>
            <source>%1 removed, quantity was %2</source>
            <translation>%1 removed, quantity was %2</translation>
        </message>
        <message>
            <source>%1: quantity %2 -&gt; %3</source>
            <translation>%1: quantity %2 -&gt; %3</translation>
        </message>
        <message>
            <source>Schedule added (%1 units)</source>
            <translation>Schedule added (%1 units)</translation>
        </message>
        <message>
            <source>Schedule removed (%1 units)</source>
            <translation>Schedule removed (%1 units)</translation>
        </message>
        <message>
            <source>Unit added: %1 %2</source>
            <translation>Unit added: %1 %2</translation>
        </message>
        <message>
            <source>Unit removed: %1 %2</source>
            <translation>Unit removed: %1 %2</translation>
        </message>
        <message>
            <source>moved</source>
            <translation>moved</translation>
        </message>
        <message>
            <source>readdressed</source>
            <translation>readdressed</translation>
        </message>
        <message>
            <source>zone changed</source>
            <translation>zone changed</translation>
        </message>
        <message>
            <source>location changed</source>
            <translation>location changed</translation>
        </message>
        <message>
            <source>Unit %1 %2: %3 -&gt; %4</source>
            <translation>Unit %1 %2: %3 -&gt; %4</translation>
        </message>
        <message>
            <source> and </source>
            <translation> and </translation>
        </message>
        <message>
            <source>%1 added: %2</source>
            <translation>%1 added: %2</translation>
        </message>
        <message>
            <source>%1 removed: %2</source>
            <translation>%1 removed: %2</translation>
        </message>
        <message>
            <source>Verdicts</source>
            <translation>Verdicts</translation>
        </message>
        <message>
            <source>Changes since revision %1</source>
            <translation>Changes since revision %1</translation>
        </message>
        <message>
            <source>No changes.</source>
            <translation>No changes.</translation>
        </message>
        <message>
            <source>Class A</source>
            <translation>Class A</translation>
        </message>
        <message>
            <source>Degraded mode</source>
            <translation>Degraded mode</translation>
        </message>
        <message>
            <source> (margin %1 -&gt; %2)</source>
            <translation> (margin %1 -&gt; %2)</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>FAULT</translation>
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
            <translation>Main panel</translation>
        </message>
        <message>
            <source>Expansion Box %1 (%2)</source>
            <translation>Expansion Box %1 (%2)</translation>
        </message>
        <message>
            <source>Bill of materials</source>
            <translation>Bill of materials</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Item</source>
            <translation>Item</translation>
        </message>
        <message>
            <source>Quantity</source>
            <translation>Quantity</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>m</source>
            <translation>m</translation>
        </message>
        <message>
            <source>pcs</source>
            <translation>pcs</translation>
        </message>
        <message>
            <source>Device schedule</source>
            <translation>Device schedule</translation>
        </message>
        <message>
            <source>System</source>
            <translation>System</translation>
        </message>
        <message>
            <source>Loop</source>
            <translation>Loop</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Position (m)</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Device</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zone</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Location</translation>
        </message>
        <message>
            <source>Cable schedule</source>
            <translation>Cable schedule</translation>
        </message>
        <message>
            <source>Cable</source>
            <translation>Cable</translation>
        </message>
        <message>
            <source>Topology</source>
            <translation>Topology</translation>
        </message>
        <message>
            <source>Length (m)</source>
            <translation>Length (m)</translation>
        </message>
        <message>
            <source>Distance to first device (m)</source>
            <translation>Distance to first device (m)</translation>
        </message>
        <message>
            <source>Distance to last device (m)</source>
            <translation>Distance to last device (m)</translation>
        </message>
        <message>
            <source>Devices</source>
            <translation>Devices</translation>
        </message>
        <message>
            <source>Addresses</source>
            <translation>Addresses</translation>
        </message>
        <message>
            <source>Alarm current (A)</source>
            <translation>Alarm current (A)</translation>
        </message>
        <message>
            <source>Voltage drop (V)</source>
            <translation>Voltage drop (V)</translation>
        </message>
        <message>
            <source>Maximum voltage drop (V)</source>
            <translation>Maximum voltage drop (V)</translation>
        </message>
    </context>
    <context>
        <name>FileCommands</name>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV files (*.csv)</translation>
        </message>
        <message>
            <source>Excel workbooks (*.xlsx)</source>
            <translation>Excel workbooks (*.xlsx)</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Failed to export.
If overwriting an existing file, make sure the file is not open by another process.</source>
            <translation>Failed to export.
If overwriting an existing file, make sure the file is not open by another process.</translation>
        </message>
        <message>
            <source>Success</source>
            <translation>Success</translation>
        </message>
        <message>
            <source>Exported successfully!</source>
            <translation>Exported successfully!</translation>
        </message>
    </context>
    <context>
        <name>ProjectDialog</name>
        <message>
            <source>Project</source>
            <translation>Project</translation>
        </message>
        <message>
            <source>Project reference</source>
            <translation>Project reference</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revision</translation>
        </message>
        <message>
            <source>Facility</source>
            <translation>Facility</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Installer</translation>
        </message>
        <message>
            <source>Prepared by</source>
            <translation>Prepared by</translation>
        </message>
        <message>
            <source>Checked by</source>
            <translation>Checked by</translation>
        </message>
        <message>
            <source>Today</source>
            <translation>Today</translation>
        </message>
        <message>
            <source>Date of issue</source>
            <translation>Date of issue</translation>
        </message>
        <message>
            <source>Revision history</source>
            <translation>Revision history</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>By</source>
            <translation>By</translation>
        </message>
        <message>
            <source>Add revision</source>
            <translation>Add revision</translation>
        </message>
        <message>
            <source>Remove revision</source>
            <translation>Remove revision</translation>
        </message>
    </context>
    <context>
        <name>DesignSession</name>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>%1 is open in another Kalvix (process %2 on %3, since %4).
Changes saved in one would overwrite the other's. Open it anyway?</source>
            <translation>%1 is open in another Kalvix (process %2 on %3, since %4).
Changes saved in one would overwrite the other's. Open it anyway?</translation>
        </message>
        <message>
            <source>%1 was changed by someone else since you opened it.
Overwrite it with this design?</source>
            <translation>%1 was changed by someone else since you opened it.
Overwrite it with this design?</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Overwrite</translation>
        </message>
        <message>
            <source>Save As...</source>
            <translation>Save As...</translation>
        </message>
    </context>
    <context>
        <name>UnfinishedWrites</name>
        <message>
            <source>Warning</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Saving %1 did not finish, so the file may be incomplete.
Its previous contents were kept. Put them back?</source>
            <translation>Saving %1 did not finish, so the file may be incomplete.
Its previous contents were kept. Put them back?</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>The previous contents of %1 could not be put back:
%2
They are kept in %3.</source>
            <translation>The previous contents of %1 could not be put back:
%2
They are kept in %3.</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message>
            <source>The previous contents of %1 are kept in %2.</source>
            <translation>The previous contents of %1 are kept in %2.</translation>
        </message>
    </context>
    <context>
        <name>LoopDeviceCheck</name>
        <message>
            <source>%1 (address %2)</source>
            <translation>%1 (address %2)</translation>
        </message>
        <message>
            <source>%1 (address %2, %3)</source>
            <translation>%1 (address %2, %3)</translation>
        </message>
        <message>
            <source>Voltage at %1 drops %2 V %3; the loop allows %4 V.</source>
            <translation>Voltage at %1 drops %2 V %3; the loop allows %4 V.</translation>
        </message>
        <message>
            <source>Recommendation: Increase cable section, move the units that draw most nearer the panel terminals, or split the loop.</source>
            <translation>Recommendation: Increase cable section, move the units that draw most nearer the panel terminals, or split the loop.</translation>
        </message>
        <message>
            <source>Address %1 of %2 at %3 m overlaps the addresses of %4 at %5 m.</source>
            <translation>Address %1 of %2 at %3 m overlaps the addresses of %4 at %5 m.</translation>
        </message>
        <message>
            <source>Recommendation: Renumber the addresses in cable order.</source>
            <translation>Recommendation: Renumber the addresses in cable order.</translation>
        </message>
        <message>
            <source>Address %1 of %2 at %3 m goes beyond the loop's maximum of %4 addresses.</source>
            <translation>Address %1 of %2 at %3 m goes beyond the loop's maximum of %4 addresses.</translation>
        </message>
        <message>
            <source>Recommendation: Renumber the addresses in cable order or move devices to another loop.</source>
            <translation>Recommendation: Renumber the addresses in cable order or move devices to another loop.</translation>
        </message>
        <message>
            <source>%1 at %2 m has no address.</source>
            <translation>%1 at %2 m has no address.</translation>
        </message>
        <message>
            <source>%1 at %2 m lies before the unit ahead of it in cable order (%3 m).</source>
            <translation>%1 at %2 m lies before the unit ahead of it in cable order (%3 m).</translation>
        </message>
        <message>
            <source>Recommendation: Correct the positions so that they grow from the OUT terminal to the IN terminal.</source>
            <translation>Recommendation: Correct the positions so that they grow from the OUT terminal to the IN terminal.</translation>
        </message>
        <message>
            <source>%1 at %2 m lies beyond the loop length of %3 m.</source>
            <translation>%1 at %2 m lies beyond the loop length of %3 m.</translation>
        </message>
        <message>
            <source>Recommendation: Correct its position or lengthen the loop.</source>
            <translation>Recommendation: Correct its position or lengthen the loop.</translation>
        </message>
        <message>
            <source>%1 more schedule faults.</source>
            <translation>%1 more schedule faults.</translation>
        </message>
        <message>
            <source>fed from the OUT terminal only</source>
            <translation>fed from the OUT terminal only</translation>
        </message>
        <message>
            <source>with the loop intact</source>
            <translation>with the loop intact</translation>
        </message>
        <message>
            <source>with a break at the OUT terminal</source>
            <translation>with a break at the OUT terminal</translation>
        </message>
        <message>
            <source>with a break at the IN terminal</source>
            <translation>with a break at the IN terminal</translation>
        </message>
        <message>
            <source>%1 detectors and call points lie between two isolators, from address %2 to address %3; a short there would take out more than %4.</source>
            <translation>%1 detectors and call points lie between two isolators, from address %2 to address %3; a short there would take out more than %4.</translation>
        </message>
        <message>
            <source>Recommendation: Add an isolator within this section.</source>
            <translation>Recommendation: Add an isolator within this section.</translation>
        </message>
        <message>
            <source>This panel holds %1 detectors and call points in all, more than %2; consider sharing them with another panel or expansion box.</source>
            <translation>This panel holds %1 detectors and call points in all, more than %2; consider sharing them with another panel or expansion box.</translation>
        </message>
    </context>
    <context>
        <name>ScheduleView</name>
        <message>
            <source>Schedule</source>
            <translation>Schedule</translation>
        </message>
        <message>
            <source>Make schedule</source>
            <translation>Make schedule</translation>
        </message>
        <message>
            <source>Lists the loop's units in device-list order, evenly spread between the start and end distances and addressed 1, 2, ... in cable order.</source>
            <translation>Lists the loop's units in device-list order, evenly spread between the start and end distances and addressed 1, 2, ... in cable order.</translation>
        </message>
        <message>
            <source>Renumber</source>
            <translation>Renumber</translation>
        </message>
        <message>
            <source>Gives the addresses anew in cable order.</source>
            <translation>Gives the addresses anew in cable order.</translation>
        </message>
        <message>
            <source>Move up</source>
            <translation>Move up</translation>
        </message>
        <message>
            <source>Moves the unit one place towards the OUT terminal (Ctrl+Up).</source>
            <translation>Moves the unit one place towards the OUT terminal (Ctrl+Up).</translation>
        </message>
        <message>
            <source>Move down</source>
            <translation>Move down</translation>
        </message>
        <message>
            <source>Moves the unit one place towards the IN terminal (Ctrl+Down).</source>
            <translation>Moves the unit one place towards the IN terminal (Ctrl+Down).</translation>
        </message>
        <message>
            <source>Remove schedule</source>
            <translation>Remove schedule</translation>
        </message>
        <message>
            <source>Filter units</source>
            <translation>Filter units</translation>
        </message>
        <message>
            <source>Position (m)</source>
            <translation>Position (m)</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>Device</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zone</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Location</translation>
        </message>
        <message>
            <source>Drop intact (V)</source>
            <translation>Drop intact (V)</translation>
        </message>
        <message>
            <source>Break at OUT (V)</source>
            <translation>Break at OUT (V)</translation>
        </message>
        <message>
            <source>Break at IN (V)</source>
            <translation>Break at IN (V)</translation>
        </message>
        <message>
            <source>Margin (V)</source>
            <translation>Margin (V)</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>The schedule follows the device list: %1 unit(s) added at its end, %2 removed from its end.</source>
            <translation>The schedule follows the device list: %1 unit(s) added at its end, %2 removed from its end.</translation>
        </message>
        <message>
            <source>Device-level check OK.</source>
            <translation>Device-level check OK.</translation>
        </message>
        <message>
            <source>Drop fed from OUT (V)</source>
            <translation>Drop fed from OUT (V)</translation>
        </message>
        <message>
            <source>FAULT</source>
            <translation>FAULT</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Enter whole metres from 0 to %1.</source>
            <translation>Enter whole metres from 0 to %1.</translation>
        </message>
        <message>
            <source>Zones and locations cannot hold ";" or line breaks, and a location holds at most %1 characters.</source>
            <translation>Zones and locations cannot hold ";" or line breaks, and a location holds at most %1 characters.</translation>
        </message>
    </context>
    <context>
        <name>VoltageProfile</name>
        <message>
            <source>Fed from OUT</source>
            <translation>Fed from OUT</translation>
        </message>
        <message>
            <source>Intact</source>
            <translation>Intact</translation>
        </message>
        <message>
            <source>Break at OUT</source>
            <translation>Break at OUT</translation>
        </message>
        <message>
            <source>Break at IN</source>
            <translation>Break at IN</translation>
        </message>
        <message>
            <source>Limit %1 V</source>
            <translation>Limit %1 V</translation>
        </message>
    </context>
    <context>
        <name>DeviceCategories</name>
        <message>
            <source>Detectors</source>
            <translation>Detectors</translation>
        </message>
        <message>
            <source>Manual call points</source>
            <translation>Manual call points</translation>
        </message>
        <message>
            <source>Modules</source>
            <translation>Modules</translation>
        </message>
        <message>
            <source>Sounders and beacons</source>
            <translation>Sounders and beacons</translation>
        </message>
        <message>
            <source>Special devices</source>
            <translation>Special devices</translation>
        </message>
        <message>
            <source>Optical smoke</source>
            <translation>Optical smoke</translation>
        </message>
        <message>
            <source>Heat</source>
            <translation>Heat</translation>
        </message>
        <message>
            <source>Multi-sensor</source>
            <translation>Multi-sensor</translation>
        </message>
        <message>
            <source>Gas</source>
            <translation>Gas</translation>
        </message>
        <message>
            <source>Beam</source>
            <translation>Beam</translation>
        </message>
        <message>
            <source>Zone</source>
            <translation>Zone</translation>
        </message>
        <message>
            <source>Input</source>
            <translation>Input</translation>
        </message>
        <message>
            <source>Input/output</source>
            <translation>Input/output</translation>
        </message>
        <message>
            <source>Output</source>
            <translation>Output</translation>
        </message>
        <message>
            <source>230 V output</source>
            <translation>230 V output</translation>
        </message>
        <message>
            <source>24 V output</source>
            <translation>24 V output</translation>
        </message>
        <message>
            <source>Conventional zone interface</source>
            <translation>Conventional zone interface</translation>
        </message>
        <message>
            <source>Remote indicator</source>
            <translation>Remote indicator</translation>
        </message>
        <message>
            <source>Isolator</source>
            <translation>Isolator</translation>
        </message>
    </context>
    <context>
        <name>GettingStartedPanel</name>
        <message>
            <source>&lt;b&gt;Getting started&lt;/b&gt;: 1. Pick the panel model on the Panel tab. 2. Add loops with loop cards (+). 3. On a loop tab, find devices with the filter (Ctrl+F) and add them with Enter, or type a quantity first. 4. Save the design (Ctrl+S).</source>
            <translation>&lt;b&gt;Getting started&lt;/b&gt;: 1. Pick the panel model on the Panel tab. 2. Add loops with loop cards (+). 3. On a loop tab, find devices with the filter (Ctrl+F) and add them with Enter, or type a quantity first. 4. Save the design (Ctrl+S).</translation>
        </message>
        <message>
            <source>Got it</source>
            <translation>Got it</translation>
        </message>
    </context>
    <context>
        <name>MessageBox</name>
        <message>
            <source>Do not show this again</source>
            <translation>Do not show this again</translation>
        </message>
    </context>
    <context>
        <name>NoDataPage</name>
        <message>
            <source>No product data installed yet</source>
            <translation>No product data installed yet</translation>
        </message>
        <message>
            <source>Kalvix designs installations with the products of a data pack: a signed .tarvex file from the maker that holds the product range (panels, batteries, power supplies, loop devices) and their pictures. Install a data pack to start a design; the products stay installed for the next starts.</source>
            <translation>Kalvix designs installations with the products of a data pack: a signed .tarvex file from the maker that holds the product range (panels, batteries, power supplies, loop devices) and their pictures. Install a data pack to start a design; the products stay installed for the next starts.</translation>
        </message>
        <message>
            <source>Import data pack...</source>
            <translation>Import data pack...</translation>
        </message>
        <message>
            <source>Install the demo range</source>
            <translation>Install the demo range</translation>
        </message>
        <message>
            <source>A small made-up range to try the program with.</source>
            <translation>A small made-up range to try the program with.</translation>
        </message>
    </context>
    <context>
        <name>RangeGuard</name>
        <message>
            <source>Allowed range: %1 to %2.</source>
            <translation>Allowed range: %1 to %2.</translation>
        </message>
        <message>
            <source>%1 is above the maximum; %2 is used.</source>
            <translation>%1 is above the maximum; %2 is used.</translation>
        </message>
        <message>
            <source>%1 is below the minimum; %2 is used.</source>
            <translation>%1 is below the minimum; %2 is used.</translation>
        </message>
        <message numerus="yes">
            <source>This field takes %n decimal(s); %1 is used.</source>
            <translation>
                <numerusform>This field takes %n decimal; %1 is used.</numerusform>
                <numerusform>This field takes %n decimals; %1 is used.</numerusform>
            </translation>
        </message>
    </context>
</TS>
