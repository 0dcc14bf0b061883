// Prints "GlobalId ThermalTransmittance" of every window of an IFC file, as
// web-ifc reads them: the value of the window's own Pset_WindowCommon.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const WebIFC = require('web-ifc');

const api = new WebIFC.IfcAPI();
await api.Init();
const model = api.OpenModel(new Uint8Array(readFileSync(process.argv[2])));
const okna = api.GetLineIDsWithType(model, WebIFC.IFCWINDOW);
for (let i = 0; i < okna.size(); ++i) {
  const id = okna.get(i);
  const okno = api.GetLine(model, id);
  const zestawy = await api.properties.getPropertySets(model, id, true);
  let uw = '-';
  for (const z of zestawy) {
    if (z.Name?.value !== 'Pset_WindowCommon') continue;
    for (const w of z.HasProperties ?? []) {
      if (w.Name?.value === 'ThermalTransmittance') uw = w.NominalValue.value;
    }
  }
  console.log(`${okno.GlobalId.value} ${uw}`);
}
api.CloseModel(model);
