# A fault while the focus leaves a field does not undo the move: the next field takes the typing
$ --today 2024-06-15 --method MACRS --life 5 --paste txtCost=1e999 --in-service 012004 --cost 1000
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           200.00            800.00 
  2005           320.00            480.00 
  2006           192.00            288.00 
  2007           115.20            172.80 
  2008           115.20             57.60 
  2009            57.60               .00 
message: [Orvane Asset Depreciation] Err: 6[Overflow]
focus: cmdCalculate
# Typing into the in-service box that has the focus already replaces its month
$ --today 2024-06-15 --method MACRS --life 5 --cost 1000 --in-service 011999 --in-service 012003
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2003           200.00            800.00 
  2004           320.00            480.00 
  2005           192.00            288.00 
  2006           115.20            172.80 
  2007           115.20             57.60 
  2008            57.60               .00 
focus: cmdCalculate
# The same for the date sold
$ --today 2024-06-15 --asset-type relinquished --method MACRS --life 5 --cost 1000 --in-service 012003 --sold 062005 --sold 062006
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2003           200.00            800.00 
  2004           320.00            480.00 
  2005           192.00            288.00 
  2006            57.60            230.40 
focus: cmdCalculate
# A life of 5 moves the focus to the business use, which the next keys reach; typing the business use then replaces them
$ --today 2024-06-15 --method MACRS --type-life 5.0 --business 75 --cost 1000 --in-service 012004
status:        "Method: MACRS 200% DB" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           150.00            600.00 
  2005           240.00            360.00 
  2006           144.00            216.00 
  2007            86.40            129.60 
  2008            86.40             43.20 
  2009            43.20               .00 
focus: cmdCalculate
# Typing in the life box after a choice from its list goes on at the end of the chosen life (3, then 9: 39 years)
$ --today 2024-06-15 --method MACRS --life 3 --type-life 9 --cost 39000 --in-service 012004
status:        "Method: MACRS- Straight Line" #0000ff
allowance:     ""
adjusted cost: ""
  Year      Depreciation    Adj. Tax Basis
  2004           959.79         38,040.21 
  2005           999.96         37,040.25 
  2006           999.96         36,040.29 
  2007           999.96         35,040.33 
  2008           999.96         34,040.37 
  2009           999.96         33,040.41 
  2010           999.96         32,040.45 
  2011           999.96         31,040.49 
  2012           999.96         30,040.53 
  2013           999.96         29,040.57 
  2014           999.96         28,040.61 
  2015           999.96         27,040.65 
  2016           999.96         26,040.69 
  2017           999.96         25,040.73 
  2018           999.96         24,040.77 
  2019           999.96         23,040.81 
  2020           999.96         22,040.85 
  2021           999.96         21,040.89 
  2022           999.96         20,040.93 
  2023           999.96         19,040.97 
  2024           999.96         18,041.01 
  2025           999.96         17,041.05 
  2026           999.96         16,041.09 
  2027           999.96         15,041.13 
  2028           999.96         14,041.17 
  2029           999.96         13,041.21 
  2030           999.96         12,041.25 
  2031           999.96         11,041.29 
  2032           999.96         10,041.33 
  2033           999.96          9,041.37 
  2034           999.96          8,041.41 
  2035           999.96          7,041.45 
  2036           999.96          6,041.49 
  2037           999.96          5,041.53 
  2038           999.96          4,041.57 
  2039           999.96          3,041.61 
  2040           999.96          2,041.65 
  2041           999.96          1,041.69 
  2042           999.96             41.73 
  2043            41.73               .00 
focus: cmdCalculate
