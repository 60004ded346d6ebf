# Each bad cell says what was expected; the header's columns are found by name in any case and
# spacing after a byte order mark, quoted fields lose their quotes (a line break inside stays in
# its row), an unknown column is noted, and with --out nothing is written
$ register @CASES@/register_faults/cells.csv --year 2024 --format csv --out @LIMITS@/out
stderr: note: column 'COLOR' is ignored
stderr: row 2: id: found '', expected an id
stderr: row 3: placed_in_service: found '2024-02-30', expected a date as YYYY-MM-DD
stderr: row 4: cost: found '10.001', expected an amount in dollars and cents (at most two decimals)
stderr: row 5: cost: found '-5', expected an amount of 0 or more
stderr: row 6: recovery: found '6', expected 3, 5, 7, 10, 15, 20 or 25 under GDS
stderr: row 7: placed_in_service: found '1990-01-01', expected a year the vehicle limit files hold (Tools, limit editor)
stderr: row 8: allowance: found '55', expected auto (60% from the dates), none or 0
stderr: row 9: found 9 fields, expected at most 8 (one for each column of the header)
stderr: row 10: cost: found '$1000', expected an amount such as 1234.56 (no $ or thousands separators)
stderr: row 12: cost: found '1,5', expected an amount such as 1234.56 (no $ or thousands separators)
stderr: row 13: id: found 'B,"1', expected an id not used before (row 12 has it)
stderr: row 14: cost: found '1b"0"', expected a field in double quotes from its first character to its last, with "" for a quote inside
stderr: row 15: id: found '"A-13"x', expected a field in double quotes from its first character to its last, with "" for a quote inside
stderr: row 16: COLOR: found '"never closed?', expected a field in double quotes from its first character to its last, with "" for a quote inside
exit: 1
# A column named twice
$ register @CASES@/register_faults/twice.csv --year 2024 --format csv
stderr: row 1: cost: found 'Cost', expected each column once
exit: 1
# A required column missing
$ register @CASES@/register_faults/missing.csv --year 2024 --format csv
stderr: row 1: placed_in_service: found no such column, expected one (id, placed_in_service and cost are required)
exit: 1
# Column names and property in any case, an id's spaces trimmed
$ register @CASES@/register_faults/spaces.csv --year 2024 --format csv
id,description,property,system,method,recovery,convention,placed_in_service,business_use,cost,section_179,allowance_percent,allowance,depreciable_basis,depreciation,accumulated,basis_left,disposed,gain_loss,drift,notes
A7,,qip,GDS,SL,15,HY,2024-03-01,100,1234.50,0.00,60,740.70,493.80,16.44,757.14,477.36,,,,

year,section_179,allowance,depreciation,total,accumulated,basis_left,assets
2024,0.00,740.70,16.44,757.14,757.14,477.36,1
2025,0.00,0.00,32.94,32.94,790.08,444.42,1
2026,0.00,0.00,32.94,32.94,823.02,411.48,1
2027,0.00,0.00,32.94,32.94,855.96,378.54,1
2028,0.00,0.00,32.94,32.94,888.90,345.60,1
2029,0.00,0.00,32.94,32.94,921.84,312.66,1
2030,0.00,0.00,32.94,32.94,954.78,279.72,1
2031,0.00,0.00,32.89,32.89,987.67,246.83,1
2032,0.00,0.00,32.94,32.94,1020.61,213.89,1
2033,0.00,0.00,32.89,32.89,1053.50,181.00,1
2034,0.00,0.00,32.94,32.94,1086.44,148.06,1
2035,0.00,0.00,32.89,32.89,1119.33,115.17,1
2036,0.00,0.00,32.94,32.94,1152.27,82.23,1
2037,0.00,0.00,32.89,32.89,1185.16,49.34,1
2038,0.00,0.00,32.94,32.94,1218.10,16.40,1
2039,0.00,0.00,16.40,16.40,1234.50,0.00,1

line,class,basis,recovery,convention,method,amount
1,,,,,,1220000
2,,,,,,1235
3,,,,,,3050000
4,,,,,,0
5,,,,,,1220000
6,,0,,,,0
7,,,,,,0
8,,,,,,0
9,,,,,,0
10,,,,,,0
11,,,,,,1220000
12,,,,,,0
13,,,,,,0
14,,,,,,741
17,,,,,,0
19a,3-year property,,3 yrs,,,
19b,5-year property,,5 yrs,,,
19c,7-year property,,7 yrs,,,
19d,10-year property,,10 yrs,,,
19e,15-year property,494,15 yrs,HY,S/L,16
19f,20-year property,,20 yrs,,,
19g,25-year property,,25 yrs,,,
19h,Residential rental property,,27.5 yrs,,,
19i,Nonresidential real property,,39 yrs,,,
20a,Class life,,,,,
20b,12-year,,12 yrs,,,
20c,30-year,,30 yrs,,,
20d,40-year,,40 yrs,,,
21,,,,,,0
22,,,,,,757
25,,,,,,0
26,,0,,,,0
27,,0,,,,0
28,,,,,,0
# Bad rows make no printed report and no workbook
$ register @CASES@/register_bad.csv --year 2025 --pdf @LIMITS@/report.pdf --workbook @LIMITS@/report.xlsx
stderr: note: column 'Colour' is ignored
stderr: row 3: placed_in_service: found '2024-13-01', expected a date as YYYY-MM-DD
stderr: row 4: id: found 'A-1', expected an id not used before (row 2 has it)
stderr: row 5: placed_in_service: found '1986-06-30', expected a date in 1987 or later (MACRS property)
stderr: row 6: property: found 'boat', expected personal, residential, nonresidential, qip, auto, truck, suv or land
stderr: row 7: business_use: found '120', expected a percent of 100 or less
stderr: row 8: allowance: found '130', expected a percent of 100 or less
stderr: row 9: cost: found '1,500', expected an amount such as 1234.56 (no $ or thousands separators)
stderr: row 10: allowance: found '50', expected auto or none: this property gets no special allowance
exit: 1
