-- The settings store: the user's preferences for the tax calculators, in the one
-- row of Setup. Percentages are held as percentages (1 means 1%); the two rates
-- are 0.8 or 0.2; CompCarMPYesNo is 0 (no) or 1 (yes). Every window reads the
-- row when it opens and writes back only the fields its settings panel shows.
-- The defaults below are the statutory contributions for the 2024 tax year:
-- UIF 1% each for employee and employer on remuneration up to R17 712 a month,
-- skills development levy 1%, travel allowance and company car inclusion 80%.
PRAGMA journal_mode = DELETE;
BEGIN;
CREATE TABLE "Setup" (
  "PensionCont" REAL,
  "EmployerPenCont" REAL,
  "EmployeeUIF" REAL,
  "EmployerUIF" REAL,
  "SkillLevy" REAL,
  "ProvCont" REAL,
  "EmployerProvCont" REAL,
  "UIFLimit" REAL,
  "TAIncRate8020" REAL,
  "CompCarFBRate8020" REAL,
  "CompCarMPYesNo" INTEGER
);
INSERT INTO "Setup" VALUES (0, 0, 1, 1, 1, 0, 0, 17712, 0.8, 0.8, 0);
COMMIT;
