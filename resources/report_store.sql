-- The report data store: one table per report, read by the report templates.
-- Single-row tables hold exactly one row that every print edits in place; the
-- refilled tables (compcar, Amort, the payroll batch's and the loan scenarios')
-- are emptied and refilled by each print.
-- The program never creates or alters a table: this file builds the pristine
-- store that a first start copies into the user's data folder. Later
-- calculators only add to it.
-- Column types: TEXT for captions and texts, REAL for amounts and rates,
-- INTEGER for ages, counts and day serials; a column without a type keeps what
-- is written, for the fields that hold an amount or the whole number 0.

PRAGMA journal_mode = DELETE;
BEGIN;

-- QuickTax report
CREATE TABLE "kwiktax" (
  "AGE" INTEGER,
  "TAXINCOME" REAL,
  "TAXTOPAY" REAL,
  "MARGRATE" REAL,
  "PORTION" REAL,
  "TOTTAX" REAL,
  "REBATE" REAL,
  "TAXCOM4" REAL,
  "AVRATE" REAL,
  "AVRATEAFT" REAL,
  "TAXCOM4/2" REAL
);
INSERT INTO "kwiktax" VALUES (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- Annual PAYE report (captions in the chosen language beside their values)
CREATE TABLE "IRP5Ann" (
  "TypeAM" TEXT,
  "Employee" TEXT,
  "Age" TEXT,
  "AgeNum" INTEGER,
  "Sal" TEXT,
  "SalNum" REAL,
  "DirFees" TEXT,
  "DirFeesNum" REAL,
  "Bonus" TEXT,
  "BonusNum" REAL,
  "TravAll" TEXT,
  "RecBefNum" REAL,
  "MedExp" TEXT,
  "MedExpNum" REAL,
  "PenCont" TEXT,
  "PenContNum" REAL,
  "RACont" TEXT,
  "RAContNum" REAL,
  "SDate" TEXT,
  "SDateNum" TEXT,
  "EDate" TEXT,
  "EDateNum" TEXT,
  "SITE" TEXT,
  "SITENum" REAL,
  "PAYE" TEXT,
  "PAYENum",
  "Taxliability" TEXT,
  "Taxliabilitynum" REAL,
  "TaxCredit" TEXT,
  "Taxcreditnum" REAL,
  "TaxCreditCons" TEXT,
  "TaxcreditnumCons" REAL,
  "NumOFBens" TEXT,
  "EmpERMedAidCont" TEXT,
  "EmpERMedAidContnum" REAL,
  "EmpEEMedAidCont" TEXT,
  "EmpEEMedAidContnum" REAL,
  "AnnCalcBens3" TEXT,
  "AnnCalcBens3num" INTEGER,
  "AnnCalcBens4" TEXT,
  "AnnCalcBens4num" INTEGER,
  "AnnCalcBens5" TEXT,
  "AnnCalcBens5num" INTEGER,
  "AnnCalcBens6" TEXT,
  "AnnCalcBens6num" INTEGER,
  "AnnCalcBens7" TEXT,
  "AnnCalcBens7num" INTEGER,
  "AnnCalcBens8" TEXT,
  "AnnCalcBens8num" INTEGER,
  "AnnCalcBens9" TEXT,
  "AnnCalcBens9num" INTEGER,
  "AnnCalcBens10" TEXT,
  "AnnCalcBens10num" INTEGER,
  "AnnCalcBens11" TEXT,
  "AnnCalcBens11num" INTEGER,
  "AnnCalcBens12" TEXT,
  "AnnCalcBens12num" INTEGER,
  "AnnCalcBens1" TEXT,
  "AnnCalcBens1num" INTEGER,
  "AnnCalcBens2" TEXT,
  "AnnCalcBens2num" INTEGER,
  "MedAidBens" TEXT,
  "MedAidBensnum" INTEGER,
  "TOTAL" TEXT,
  "TotalNum",
  "EOE" TEXT
);
INSERT INTO "IRP5Ann" VALUES ('', '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', '', '', '', '', 0, '', 0, '', 0, '', 0, '', 0, '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '');

-- Monthly PAYE report
CREATE TABLE "IRP5Mon" (
  "TypeAM" TEXT,
  "Employee" TEXT,
  "Age" TEXT,
  "AgeNum" INTEGER,
  "Sal" TEXT,
  "SalNum" REAL,
  "DirFees" TEXT,
  "DirFeesNum" REAL,
  "TravAll" TEXT,
  "TravOne" REAL,
  "TravTwo" REAL,
  "RecBefNum" REAL,
  "Bonus" TEXT,
  "BonusNum" REAL,
  "MedExp" TEXT,
  "MedExpNum" REAL,
  "PenCont" TEXT,
  "PenContNum" REAL,
  "RACont" TEXT,
  "RAContNum" REAL,
  "SDate" TEXT,
  "SDateNum" TEXT,
  "EDate" TEXT,
  "EDateNum" TEXT,
  "UIFEMPE" TEXT,
  "UIFEMPENum" REAL,
  "UIFEMPR" TEXT,
  "UIFEMPRNum" REAL,
  "SDL" TEXT,
  "SDLNum" REAL,
  "EOE" TEXT,
  "Taxliability" TEXT,
  "Taxliabilitynum" REAL,
  "TaxCredit" TEXT,
  "Taxcreditnum" REAL,
  "TaxCreditCons" TEXT,
  "TaxcreditnumCons" REAL,
  "EmpERMedAidCont" TEXT,
  "EmpERMedAidContnum" REAL,
  "EmpEEMedAidCont" TEXT,
  "EmpEEMedAidContnum" REAL,
  "AnnCalcBens3" TEXT,
  "AnnCalcBens3num" INTEGER,
  "MedAidBens" TEXT,
  "TOTAL" TEXT,
  "TotalNum"
);
INSERT INTO "IRP5Mon" VALUES ('', '', '', 0, '', 0, '', 0, '', 0, 0, 0, '', 0, '', 0, '', 0, '', 0, '', '', '', '', '', 0, '', 0, '', 0, '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', '', 0);

-- Weekly and fortnightly PAYE report (the two windows share it)
CREATE TABLE "IRP5Week" (
  "TypeAM" TEXT,
  "Employee" TEXT,
  "Age" TEXT,
  "AgeNum" INTEGER,
  "Sal" TEXT,
  "SalNum" REAL,
  "DirFees" TEXT,
  "DirFeesNum" REAL,
  "TravAll" TEXT,
  "TravOne" REAL,
  "TravTwo" REAL,
  "RecBefNum" REAL,
  "Bonus" TEXT,
  "BonusNum" REAL,
  "MedExp" TEXT,
  "MedExpNum" REAL,
  "PenCont" TEXT,
  "PenContNum" REAL,
  "RACont" TEXT,
  "RAContNum" REAL,
  "SDate" TEXT,
  "SDateNum" TEXT,
  "EDate" TEXT,
  "EDateNum" TEXT,
  "UIFEMPE" TEXT,
  "UIFEMPENum" REAL,
  "UIFEMPR" TEXT,
  "UIFEMPRNum" REAL,
  "SDL" TEXT,
  "SDLNum" REAL,
  "EOE" TEXT,
  "Taxliability" TEXT,
  "Taxliabilitynum" REAL,
  "TaxCredit" TEXT,
  "Taxcreditnum" REAL,
  "TaxCreditCons" TEXT,
  "TaxcreditnumCons" REAL,
  "EmpERMedAidCont" TEXT,
  "EmpERMedAidContnum" REAL,
  "EmpEEMedAidCont" TEXT,
  "EmpEEMedAidContnum" REAL,
  "AnnCalcBens3" TEXT,
  "AnnCalcBens3num" INTEGER,
  "MedAidBens" TEXT,
  "TOTAL" TEXT,
  "TotalNum"
);
INSERT INTO "IRP5Week" VALUES ('', '', '', 0, '', 0, '', 0, '', 0, 0, 0, '', 0, '', 0, '', 0, '', 0, '', '', '', '', '', 0, '', 0, '', 0, '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', '', 0);

-- Daily PAYE report
CREATE TABLE "IRP5Day" (
  "TypeAM" TEXT,
  "Employee" TEXT,
  "Age" TEXT,
  "AgeNum" INTEGER,
  "Sal" TEXT,
  "SalNum" REAL,
  "DirFees" TEXT,
  "DirFeesNum" REAL,
  "TravAll" TEXT,
  "TravOne" REAL,
  "TravTwo" REAL,
  "RecBefNum" REAL,
  "Bonus" TEXT,
  "BonusNum" REAL,
  "MedExp" TEXT,
  "MedExpNum" REAL,
  "PenCont" TEXT,
  "PenContNum" REAL,
  "RACont" TEXT,
  "RAContNum" REAL,
  "SDate" TEXT,
  "SDateNum" TEXT,
  "EDate" TEXT,
  "EDateNum" TEXT,
  "UIFEMPE" TEXT,
  "UIFEMPENum" REAL,
  "UIFEMPR" TEXT,
  "UIFEMPRNum" REAL,
  "SDL" TEXT,
  "SDLNum" REAL,
  "EOE" TEXT,
  "Taxliability" TEXT,
  "Taxliabilitynum" REAL,
  "TaxCredit" TEXT,
  "Taxcreditnum" REAL,
  "TaxCreditCons" TEXT,
  "TaxcreditnumCons" REAL,
  "EmpERMedAidCont" TEXT,
  "EmpERMedAidContnum" REAL,
  "EmpEEMedAidCont" TEXT,
  "EmpEEMedAidContnum" REAL,
  "AnnCalcBens3" TEXT,
  "AnnCalcBens3num" INTEGER,
  "MedAidBens" TEXT,
  "TOTAL" TEXT,
  "TotalNum"
);
INSERT INTO "IRP5Day" VALUES ('', '', '', 0, '', 0, '', 0, '', 0, 0, 0, '', 0, '', 0, '', 0, '', 0, '', '', '', '', '', 0, '', 0, '', 0, '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', '', 0);

-- Salary package report (the four package windows share it)
CREATE TABLE "SalPackage" (
  "MonAnn" TEXT,
  "TPName" TEXT,
  "TPAge" INTEGER,
  "MonAnnSal" TEXT,
  "NetMonSal" REAL,
  "CostToComp" REAL,
  "CompCar" REAL,
  "CompCarCC" REAL,
  "TravAll" REAL,
  "TravAllCC" REAL,
  "MedAidCont" REAL,
  "MedAidContCC" REAL,
  "PMems" INTEGER,
  "AddBens" INTEGER,
  "TaxFreeMedPrint" REAL,
  "OtherTaxFB" REAL,
  "OtherTaxFBCC" REAL,
  "PenDeduct" REAL,
  "PenDeductCC" REAL,
  "ProvDeduct" REAL,
  "ProvDeductCC" REAL,
  "RADirective" TEXT,
  "RADeduct" REAL,
  "MedDeduct" REAL,
  "UIFCont" REAL,
  "UIFContCC" REAL,
  "SkillLevy" REAL,
  "TaxDue" REAL,
  "TaxCredit" REAL,
  "TaxDeduct" REAL,
  "PrinMembers" TEXT,
  "BenMembers" TEXT,
  "OEXPTXT" TEXT,
  "ODedTxt0" TEXT,
  "ODedR0" TEXT,
  "ODedNum0",
  "ODedNumCC0",
  "ODedTxt1" TEXT,
  "ODedR1" TEXT,
  "ODedNum1",
  "ODedNumCC1",
  "ODedTxt2" TEXT,
  "ODedR2" TEXT,
  "ODedNum2",
  "ODedNumCC2",
  "ODedTxt3" TEXT,
  "ODedR3" TEXT,
  "ODedNum3",
  "ODedNumCC3",
  "GSal" REAL,
  "TotCostComp" REAL,
  "PlusCompCar1" TEXT,
  "PlusCompCar2" TEXT
);
INSERT INTO "SalPackage" VALUES ('', '', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', 0, 0, 0, 0, 0, 0, 0, 0, '', '', '', '', '', 0, 0, '', '', 0, 0, '', '', 0, 0, '', '', 0, 0, 0, 0, '', '');

-- Travel allowance report
CREATE TABLE "traveldeduction" (
  "TPName" TEXT,
  "CARNO" INTEGER,
  "mta01" TEXT,
  "mta04" REAL,
  "mta05" REAL,
  "mta06" REAL,
  "mta07" REAL,
  "tadeduction" REAL,
  "MTD" REAL,
  "MBD" REAL,
  "mpd" REAL,
  "mta08" REAL,
  "mta09" REAL,
  "mta10" REAL,
  "mta11" REAL,
  "mta12" REAL,
  "mta13" REAL,
  "totcost" REAL,
  "pu" REAL,
  "mta03" REAL,
  "mta14" REAL,
  "cv" REAL,
  "fce" REAL,
  "fc" REAL,
  "mc" REAL,
  "tatc" REAL,
  "FCDet" TEXT,
  "MCDet" TEXT,
  "DateStart" TEXT,
  "DateEnd" TEXT
);
INSERT INTO "traveldeduction" VALUES ('', 0, '', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '', '', '', '');

-- Company car register report: emptied and refilled, one row per car
CREATE TABLE "compcar" (
  "CarNum" INTEGER,
  "CMVMaxNum" INTEGER,
  "CCRegNumber" TEXT,
  "CCMake" TEXT,
  "CCModel" TEXT,
  "CCPrice" REAL,
  "MaintIncluded" TEXT,
  "CCMonths" REAL,
  "EndMileage" REAL,
  "StartMileage" REAL,
  "TotalDistance" REAL,
  "BusDistance" REAL,
  "ActualExpEmployee" REAL,
  "SARSTable" TEXT,
  "FuelReimbEmployer" REAL,
  "EmpPaidInsurance" REAL,
  "EmpPaidLicence" REAL,
  "EmpPaidMaintenance" REAL,
  "Actual3802" REAL,
  "FB3802ThisCar" REAL,
  "AdjustTaxableInc" REAL,
  "SARSDeductionClaim" REAL,
  "TrueInclusion" REAL,
  "PrivateDistance" REAL,
  "FuelComponent" REAL,
  "Arr_FuelClaim" REAL,
  "TotAddExpense" REAL,
  "FuelExp" REAL,
  "BussMilage" TEXT,
  "YearOfManfact" TEXT,
  "CCStartDate" TEXT,
  "CCEndDate" TEXT,
  "IRP53802" REAL,
  "MonFB80" REAL,
  "MonFB20" REAL,
  "FortFB80" REAL,
  "FortFB20" REAL,
  "WeekFB80" REAL,
  "WeekFB20" REAL
);

-- Loan report
CREATE TABLE "Loans" (
  "Heading" TEXT,
  "Num1" REAL,
  "Num2" REAL,
  "Num3" REAL,
  "Num4" REAL,
  "FinText1" TEXT,
  "FinText1A" TEXT,
  "FinNum1",
  "FinText2" TEXT,
  "FinNum2",
  "YearMon" TEXT
);
INSERT INTO "Loans" VALUES ('', 0, 0, 0, 0, '', '', 0, '', 0, '');

-- Loan amortisation schedule: emptied and refilled, one row per line
CREATE TABLE "Amort" (
  "Year" INTEGER,
  "Capital" REAL,
  "Interest" REAL,
  "Required" REAL
);

-- Loan buster report
CREATE TABLE "BondBust" (
  "PAmt" REAL,
  "Period" INTEGER,
  "IntRate" REAL,
  "MonRep" REAL,
  "TotIntPaid" REAL,
  "TotRep" REAL,
  "XtraPay" REAL,
  "Xper" INTEGER,
  "XMonRep" REAL,
  "XTotIntPaid" REAL,
  "XTotRep" REAL,
  "XTotSavings" REAL
);
INSERT INTO "BondBust" VALUES (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- Loan comparison report
CREATE TABLE "BondComp" (
  "PAmt" REAL,
  "IntRate" REAL,
  "MonRep1" REAL,
  "IntPaid1" REAL,
  "Total1" REAL,
  "MonRep2" REAL,
  "IntPaid2" REAL,
  "Total2" REAL,
  "MonRep3" REAL,
  "IntPaid3" REAL,
  "Total3" REAL,
  "MonRep4" REAL,
  "IntPaid4" REAL,
  "Total4" REAL,
  "MonRep5" REAL,
  "IntPaid5" REAL,
  "Total5" REAL,
  "MonRep6" REAL,
  "IntPaid6" REAL,
  "Total6" REAL
);
INSERT INTO "BondComp" VALUES (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- Daily balance interest report
CREATE TABLE "DailyBal" (
  "CapAmount" REAL,
  "StartDate" INTEGER,
  "EndDate" INTEGER,
  "IntRate" REAL,
  "ANS1" REAL,
  "ANS2" INTEGER
);
INSERT INTO "DailyBal" VALUES (0, 0, 0, 0, 0, 0);

-- Inflation projection report
CREATE TABLE "Inflation" (
  "PresCost" REAL,
  "Period" REAL,
  "InflaRate" REAL,
  "Ans1" REAL,
  "ANS2" REAL
);
INSERT INTO "Inflation" VALUES (0, 0, 0, 0, 0);

-- Payroll batch: the period's totals with the captions of both of its reports in
-- the language chosen (one row, refilled by each print), the employees of the
-- totals report, and one payslip per employee calculated. The totals row starts
-- out empty, so that the two reports show as empty pages before a first print.
CREATE TABLE "PayrollTotals" (
  "Title" TEXT, "PeriodCap" TEXT, "Period" TEXT, "FileCap" TEXT, "FileName" TEXT,
  "DateCap" TEXT, "Printed" TEXT, "EmpCap" TEXT, "EmpNum" INTEGER, "NotCalcCap" TEXT,
  "NotCalcNum" INTEGER, "PayeCap" TEXT, "PayeNum" REAL, "UifEeCap" TEXT, "UifEeNum" REAL,
  "UifErCap" TEXT, "UifErNum" REAL, "UifCap" TEXT, "UifNum" REAL, "SdlCap" TEXT,
  "SdlNum" REAL, "GrossCap" TEXT, "GrossNum" REAL, "NetCap" TEXT, "NetNum" REAL,
  "EmployeesCap" TEXT, "ColLine" TEXT, "ColNumber" TEXT, "ColName" TEXT, "ColMessage" TEXT,
  "ColUifEe" TEXT, "ColUifEr" TEXT,
  "SlipTitle" TEXT, "SlipNumber" TEXT, "SlipName" TEXT, "SlipSalary" TEXT,
  "SlipCommission" TEXT, "SlipBonus" TEXT, "SlipTravel" TEXT, "SlipDeductions" TEXT,
  "SlipRFund" TEXT, "SlipMedAid" TEXT, "SlipTotalDed" TEXT, "SlipEmployer" TEXT
);
INSERT INTO "PayrollTotals" VALUES (
  '', '', '', '', '', '', '', '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0, '', 0,
  '', 0, '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '', '');
CREATE TABLE "PayrollRows" (
  "Line" INTEGER, "Number" TEXT, "Name" TEXT, "Gross" REAL, "Paye" REAL, "UifEe" REAL,
  "UifEr" REAL, "Sdl" REAL, "Net" REAL, "Message" TEXT
);
CREATE TABLE "Payslips" (
  "Number" TEXT, "Name" TEXT, "Period" TEXT, "Salary" REAL, "Commission" REAL, "Bonus" REAL, "Travel" REAL,
  "Gross" REAL, "Paye" REAL, "UifEe" REAL, "RFund" REAL, "MedAid" REAL, "Deductions" REAL,
  "Net" REAL, "UifEr" REAL, "Sdl" REAL, "PageBreak" TEXT
);

-- Loan scenarios: the loan with its changes, the loan as it stands beside the
-- scenario and the rate table (one row, refilled by each print; it starts out
-- empty so that the report shows as an empty page before a first print), and one
-- row a month for as long as either loan runs (month 0: the principal).
CREATE TABLE "LoanScenario" (
  "Principal" REAL, "Period" INTEGER, "AnnualRate" REAL, "Changes" TEXT,
  "BaseRepayment" TEXT, "ScenarioRepayment" TEXT, "BaseMonths" INTEGER, "ScenarioMonths" INTEGER,
  "BaseInterest" REAL, "ScenarioInterest" REAL, "BaseTotal" REAL, "ScenarioTotal" REAL,
  "BaseLast" REAL, "ScenarioLast" REAL, "InterestSaved" REAL, "MonthsSaved" INTEGER,
  "Rate1" REAL, "RateRep1" REAL, "RateInt1" REAL, "RateMark1" TEXT,
  "Rate2" REAL, "RateRep2" REAL, "RateInt2" REAL, "RateMark2" TEXT,
  "Rate3" REAL, "RateRep3" REAL, "RateInt3" REAL, "RateMark3" TEXT,
  "Rate4" REAL, "RateRep4" REAL, "RateInt4" REAL, "RateMark4" TEXT,
  "Rate5" REAL, "RateRep5" REAL, "RateInt5" REAL, "RateMark5" TEXT,
  "Rate6" REAL, "RateRep6" REAL, "RateInt6" REAL, "RateMark6" TEXT,
  "Rate7" REAL, "RateRep7" REAL, "RateInt7" REAL, "RateMark7" TEXT,
  "Rate8" REAL, "RateRep8" REAL, "RateInt8" REAL, "RateMark8" TEXT,
  "Rate9" REAL, "RateRep9" REAL, "RateInt9" REAL, "RateMark9" TEXT,
  "Rate10" REAL, "RateRep10" REAL, "RateInt10" REAL, "RateMark10" TEXT,
  "Rate11" REAL, "RateRep11" REAL, "RateInt11" REAL, "RateMark11" TEXT,
  "Rate12" REAL, "RateRep12" REAL, "RateInt12" REAL, "RateMark12" TEXT,
  "Rate13" REAL, "RateRep13" REAL, "RateInt13" REAL, "RateMark13" TEXT,
  "Rate14" REAL, "RateRep14" REAL, "RateInt14" REAL, "RateMark14" TEXT,
  "Rate15" REAL, "RateRep15" REAL, "RateInt15" REAL, "RateMark15" TEXT,
  "Rate16" REAL, "RateRep16" REAL, "RateInt16" REAL, "RateMark16" TEXT,
  "Rate17" REAL, "RateRep17" REAL, "RateInt17" REAL, "RateMark17" TEXT
);
INSERT INTO "LoanScenario" VALUES (
  0, 0, 0, '', '', '', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '',
  NULL, NULL, NULL, '');
CREATE TABLE "ScenarioMonths" (
  "Month" INTEGER, "InScenario" INTEGER, "Rate" REAL, "Repayment" REAL, "Interest" REAL,
  "Capital" REAL, "LumpSum" REAL, "Balance" REAL, "BaseBalance" REAL, "Change" TEXT
);

COMMIT;
