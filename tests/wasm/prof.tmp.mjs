import { loadCore } from "./core.mjs";
import { readFileSync } from "node:fs";
const core = await loadCore();
const d = new core.Document();
d.loadDefinitions(readFileSync("/tmp/big.xml", "utf8"), "x.xml");
d.open(new Uint8Array(5000), "a.seem");
for (let i = 0; i < 10; ++i) d.editorModel();
